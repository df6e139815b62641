#pragma once

namespace Quarvane
{

class ResVarSettingsCollection;

// A presenter that shares the result display settings of one evaluation with other views of it
// (a second 3D view, a report): it hands its settings out, takes over another presenter's, and
// is told when the shared settings changed.
class SharedEvalSettingsPresenterInterface
{
public:
    virtual ~SharedEvalSettingsPresenterInterface() = default;

    // The settings this presenter shows; null when it has none yet.
    virtual const ResVarSettingsCollection* getSharedSettings() const = 0;
    // Takes over copies of the given settings.
    virtual void adoptSharedSettings(const ResVarSettingsCollection& settings) = 0;
    // The shared settings changed elsewhere; the presenter redraws.
    virtual void onSharedSettingsChanged() = 0;

protected:
    SharedEvalSettingsPresenterInterface() = default;
    SharedEvalSettingsPresenterInterface(const SharedEvalSettingsPresenterInterface&) = default;
    SharedEvalSettingsPresenterInterface& operator=(const SharedEvalSettingsPresenterInterface&) = default;
};

}  // namespace Quarvane
