#include "QvconfigTestSupport.h"

#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
const QString s_browser = "/usr/bin/chromium";

// The browser's page after loading, with what it logged on stderr.
struct BrowserRun
{
    bool finished = false;
    QByteArray out;
    QString log;
};

BrowserRun loadInBrowser(const std::string& page)
{
    QTemporaryDir profile;
    QStringList arguments{"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                          "--disable-background-networking", "--disable-component-update", "--disable-sync",
                          "--user-data-dir=" + profile.path(), "--enable-logging=stderr", "--v=0"};
    arguments << "--dump-dom" << "file://" + QString::fromStdString(page);
    QProcess browser;
    browser.start(s_browser, arguments);
    BrowserRun run;
    run.finished = browser.waitForFinished(120000) && browser.exitStatus() == QProcess::NormalExit;
    if (!run.finished)
        browser.kill();
    run.out = browser.readAllStandardOutput();
    run.log = QString::fromUtf8(browser.readAllStandardError());
    return run;
}

class QvconfigReport : public QvconfigTest
{
protected:
    std::string writeReport()
    {
        const std::string site = writeFile(
            "site.xml", configurationXml(storedObject("AutoSaveConfiguration", storedValue("AutoSaveEnabled", "int", "1", true) +
                                                                            storedValue("AutoSaveInterval", "int", "soon"))));
        const std::string user = writeFile(
            "user.xml", configurationXml(storedObject("AutoSaveConfiguration", storedValue("AutoSaveInterval", "int", "12"))));
        const std::string page = writeFile("report.html", "");
        const ToolRun run = runTool({"report", "--system", site, "--user", user, "--html", page});
        EXPECT_EQ(run.status, 0) << run.err;
        QFile file(QString::fromStdString(page));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        m_html = file.readAll().toStdString();
        return page;
    }

    // The table row of the value, as text.
    std::string row(const std::string& key) const
    {
        const std::size_t at = m_html.find("<tr class=\"changed\"><td>" + key + "</td>");
        return at == std::string::npos ? std::string() : m_html.substr(at, m_html.find("</tr>", at) - at);
    }

    std::string m_html;
};

TEST_F(QvconfigReport, PageShowsWhereValuesCameFromAndLoadsInABrowser)
{
    const std::string page = writeReport();
    EXPECT_NE(row("AutoSaveEnabled").find("<td>1</td><td>0</td><td>site file</td><td><span class=\"locked\">yes</span>"),
              std::string::npos);
    EXPECT_NE(row("AutoSaveInterval").find("<td>12</td><td>5</td><td>user file</td>"), std::string::npos);
    EXPECT_NE(row("AutoSaveInterval").find("AutoSaveInterval: the stored text is not a valid int"), std::string::npos);
    // The changed group comes first, and nothing is fetched from elsewhere.
    EXPECT_LT(m_html.find("data-group=\"AutoSaveConfiguration\""), m_html.find("data-group=\"DrawingEngineConfiguration\""));
    EXPECT_FALSE(QString::fromStdString(m_html).contains(QRegularExpression("(src|href)=\"(?!data:)")));
    EXPECT_NE(m_html.find("data:image/png;base64,"), std::string::npos);

    if (!QFile::exists(s_browser))
        GTEST_SKIP() << s_browser.toStdString() << " is missing (scripts/bootstrap installs it); the page was checked as text only";
    const BrowserRun dom = loadInBrowser(page);
    ASSERT_TRUE(dom.finished) << dom.log.toStdString();
    EXPECT_FALSE(dom.log.contains(":CONSOLE")) << dom.log.toStdString();
    EXPECT_TRUE(dom.out.contains("data-pictures-loaded=\"2 of 2\""));
    for (const std::string& group : ConfigurationManager::getInstance().getConfigurationObjectNames())
        EXPECT_TRUE(dom.out.contains(QByteArray::fromStdString("data-group=\"" + group + "\""))) << group;
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
