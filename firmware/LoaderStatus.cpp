#include "LoaderStatus.h"

namespace dalto::firmware {

StatusLook statusLook(LoaderStatus status)
{
    switch (status) {
    case LoaderStatus::Blank: return {QString(), StatusColour::Window};
    case LoaderStatus::InvalidFile: return {QStringLiteral("Invalid File"), StatusColour::Red};
    case LoaderStatus::Initiating: return {QStringLiteral("Initiating"), StatusColour::Window};
    case LoaderStatus::Erasing: return {QStringLiteral("Erasing"), StatusColour::Window};
    case LoaderStatus::Loading: return {QStringLiteral("Loading"), StatusColour::Window};
    case LoaderStatus::TimedOut: return {QStringLiteral("Timed Out"), StatusColour::Red};
    case LoaderStatus::Error: return {QStringLiteral("Error"), StatusColour::Red};
    case LoaderStatus::Stopped: return {QStringLiteral("Stopped"), StatusColour::Window};
    case LoaderStatus::Finished: return {QStringLiteral("Finished"), StatusColour::Green};
    case LoaderStatus::FinishedSilent: return {QStringLiteral("Finished"), StatusColour::Yellow};
    }
    return {QString(), StatusColour::Window};
}

} // namespace dalto::firmware
