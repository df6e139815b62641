#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <set>

namespace Quarvane
{

#define QV_SKIN_BASE_NAME(NAME) const std::string SkinBaseName::NAME = #NAME

QV_SKIN_BASE_NAME(EMPTY);
QV_SKIN_BASE_NAME(THICKNESS);
QV_SKIN_BASE_NAME(THINNING);
QV_SKIN_BASE_NAME(PLASTIC_STRAIN);
QV_SKIN_BASE_NAME(MAJOR_STRAIN);
QV_SKIN_BASE_NAME(MINOR_STRAIN);
QV_SKIN_BASE_NAME(DISPLACEMENT);
QV_SKIN_BASE_NAME(SPRINGBACK_NORMAL_DISPLACEMENT);
QV_SKIN_BASE_NAME(DRAW_IN);
QV_SKIN_BASE_NAME(CONTACT);
QV_SKIN_BASE_NAME(CONTACT_PENETRATION);
QV_SKIN_BASE_NAME(ELASTIC);
QV_SKIN_BASE_NAME(MATING_CHECK);
QV_SKIN_BASE_NAME(LINE_MOVEMENT);
QV_SKIN_BASE_NAME(LINE_MOVEMENT_D);
QV_SKIN_BASE_NAME(DELTA_CURVATURE);
QV_SKIN_BASE_NAME(ROLLING_TRANSVERSE_DIR);
QV_SKIN_BASE_NAME(GEOM_TEMPERATURE_DISTRIB);
QV_SKIN_BASE_NAME(DOMINANT_VARIABLE);
QV_SKIN_BASE_NAME(DOMINANT_VARIABLE_N);
QV_SKIN_BASE_NAME(DOMINANT_VARIABLE_D);
QV_SKIN_BASE_NAME(WP_RECOMMENDATION);
QV_SKIN_BASE_NAME(WP_TOOLFAILURE);
QV_SKIN_BASE_NAME(WP_MAX_VOLUME);
QV_SKIN_BASE_NAME(WRINKLES_SEVERITY);
QV_SKIN_BASE_NAME(WRINKLES_MAX_SEVERITY);
QV_SKIN_BASE_NAME(GUI_WRINKLES_SEVERITY);
QV_SKIN_BASE_NAME(GUI_WRINKLES_MAX_SEVERITY);
QV_SKIN_BASE_NAME(SBCOMP_DISPLACEMENT_TOTAL);
QV_SKIN_BASE_NAME(SBCOMP_DISPLACEMENT_INCREMENTAL);
QV_SKIN_BASE_NAME(SBCOMP_ARROW_COLLECTION);
QV_SKIN_BASE_NAME(EDGE_CRACK);
QV_SKIN_BASE_NAME(EDGE_THINNING);
QV_SKIN_BASE_NAME(PREPROCESS_THICKNESS_DEFORMABLE);
QV_SKIN_BASE_NAME(PREPROCESS_THINNING_DEFORMABLE);
QV_SKIN_BASE_NAME(PREPROCESS_PLASTICSTRAIN_DEFORMABLE);
QV_SKIN_BASE_NAME(PREPROCESS_TOOL_DISTANCE);
QV_SKIN_BASE_NAME(CONNECTOR_FORCE);
QV_SKIN_BASE_NAME(LINE_JOIN_GAP);
QV_SKIN_BASE_NAME(CAD_FACE_DISTANCE);
QV_SKIN_BASE_NAME(CAD_FACE_ANGLE);
QV_SKIN_BASE_NAME(TOOL_DISPLACEMENT_X);
QV_SKIN_BASE_NAME(TOOL_DISPLACEMENT_Y);
QV_SKIN_BASE_NAME(TOOL_DISPLACEMENT_Z);
QV_SKIN_BASE_NAME(TOOL_ROUGHNESS);

#undef QV_SKIN_BASE_NAME

const std::string SigmaBaseName::PREFIX = "SIGMA_";
const std::string SigmaBaseName::DOMINANT_VARIABLE = "DOMINANT_VARIABLE";
const std::string SigmaBaseName::_D = "_D";
const std::string SigmaBaseName::_N = "_N";
const std::string SigmaBaseName::INTERPOLATION = "SIGMA_INTERPOLATION";

const std::string SuperBaseName::COMPAREMODE = "COMPAREMODE";

namespace
{

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

bool baseStartsWith(const std::string& name, const char* prefix)
{
    return startsWith(SkinBaseNameUtilities::getDecomposedSkinBaseName(name), prefix);
}

bool baseIsOneOf(const std::string& name, const std::set<std::string>& bases)
{
    return bases.count(SkinBaseNameUtilities::getDecomposedSkinBaseName(name)) > 0;
}

// "SIGMA_INTERPOLATION" → "sigma interpolation"
QString wordsOf(const std::string& part)
{
    return QString::fromStdString(part).replace('_', ' ').toLower();
}

}  // namespace

bool SigmaBaseName::isSigmaVariation(const std::string& name)
{
    std::string firstPart;
    std::string secondPart;
    const std::string base = SkinBaseNameUtilities::decomposeSkinBaseName(name, firstPart, secondPart);
    return firstPart == INTERPOLATION || startsWith(base, PREFIX.c_str()) || base == DOMINANT_VARIABLE ||
           base == DOMINANT_VARIABLE + _D || base == DOMINANT_VARIABLE + _N;
}

std::string SkinBaseNameUtilities::decomposeSkinBaseName(const std::string& name, std::string& firstPart,
                                                         std::string& secondPart)
{
    const std::size_t secondAt = name.find(SECOND_PART_MARKER);
    const std::string beforeSecond = name.substr(0, secondAt);
    secondPart = secondAt == std::string::npos ? std::string() : name.substr(secondAt + 1);
    const std::size_t firstAt = beforeSecond.find(FIRST_PART_MARKER);
    firstPart = firstAt == std::string::npos ? std::string() : beforeSecond.substr(firstAt + 1);
    return beforeSecond.substr(0, firstAt);
}

std::string SkinBaseNameUtilities::getDecomposedSkinBaseName(const std::string& name)
{
    std::string firstPart;
    std::string secondPart;
    return decomposeSkinBaseName(name, firstPart, secondPart);
}

std::string SkinBaseNameUtilities::composeSkinBaseName(const std::string& base, const std::string& firstPart,
                                                       const std::string& secondPart)
{
    std::string name = base;
    if (!firstPart.empty())
        name += FIRST_PART_MARKER + firstPart;
    if (!secondPart.empty())
        name += SECOND_PART_MARKER + secondPart;
    return name;
}

bool SkinBaseNameUtilities::isOutOfSpecColorScalePossible(const std::string& name)
{
    static const std::set<std::string> toleranced{
        SkinBaseName::THICKNESS,      SkinBaseName::THINNING,
        SkinBaseName::PLASTIC_STRAIN, SkinBaseName::MAJOR_STRAIN,
        SkinBaseName::MINOR_STRAIN,   SkinBaseName::DISPLACEMENT,
        SkinBaseName::SPRINGBACK_NORMAL_DISPLACEMENT, SkinBaseName::CAD_FACE_DISTANCE,
        SkinBaseName::CAD_FACE_ANGLE, SkinBaseName::DRAW_IN,
        SkinBaseName::LINE_MOVEMENT};
    return baseIsOneOf(name, toleranced);
}

bool SkinBaseNameUtilities::isEdgeVariable(const std::string& name)
{
    return baseStartsWith(name, "EDGE_");
}

bool SkinBaseNameUtilities::isSheetLineScalar(const std::string& name)
{
    static const std::set<std::string> onLines{SkinBaseName::LINE_MOVEMENT, SkinBaseName::LINE_MOVEMENT_D,
                                               SkinBaseName::DELTA_CURVATURE, SkinBaseName::DRAW_IN};
    return baseIsOneOf(name, onLines);
}

bool SkinBaseNameUtilities::isVectorGroup(const std::string& groupName)
{
    const QString group = QString::fromStdString(groupName);
    return group.compare("Vector", Qt::CaseInsensitive) == 0 || group.compare("Vectors", Qt::CaseInsensitive) == 0;
}

bool SkinBaseNameUtilities::isConnectorSheetSkin(const std::string& name)
{
    return baseStartsWith(name, "CONNECTOR_");
}

bool SkinBaseNameUtilities::isLineJoinSheetSkin(const std::string& name)
{
    return baseStartsWith(name, "LINE_JOIN_");
}

bool SkinBaseNameUtilities::isJointraPreProcessingSkinBaseName(const std::string& name)
{
    return baseStartsWith(name, "PREPROCESS_");
}

bool SkinBaseNameUtilities::containsCompareBaseName(const std::string& name)
{
    std::string firstPart;
    std::string secondPart;
    decomposeSkinBaseName(name, firstPart, secondPart);
    return secondPart == SuperBaseName::COMPAREMODE;
}

std::string SkinBaseNameUtilities::getSkinDisplayName(const std::string& name)
{
    std::string firstPart;
    std::string secondPart;
    QString display = wordsOf(decomposeSkinBaseName(name, firstPart, secondPart));
    if (!display.isEmpty())
        display[0] = display[0].toUpper();

    QStringList qualifiers;
    if (!firstPart.empty())
        qualifiers << wordsOf(firstPart);
    if (secondPart == SuperBaseName::COMPAREMODE)
        qualifiers << QStringLiteral("comparison");
    else if (!secondPart.empty())
        qualifiers << wordsOf(secondPart);
    if (!qualifiers.isEmpty())
        display += QStringLiteral(" (") + qualifiers.join(QStringLiteral(", ")) + QLatin1Char(')');
    return display.toStdString();
}

}  // namespace Quarvane
