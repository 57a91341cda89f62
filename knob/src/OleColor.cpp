#include "OleColor.h"

#include <array>

namespace dialix {

namespace {
// The system colour indices in their classic order, each with the palette
// role that plays the same part here.
constexpr std::array<QPalette::ColorRole, 25> kSystemRoles = {
    QPalette::Button,          // scroll bar
    QPalette::Dark,            // desktop
    QPalette::Highlight,       // active caption
    QPalette::Mid,             // inactive caption
    QPalette::Window,          // menu
    QPalette::Base,            // window
    QPalette::Shadow,          // window frame
    QPalette::WindowText,      // menu text
    QPalette::Text,            // window text
    QPalette::HighlightedText, // caption text
    QPalette::Window,          // active border
    QPalette::Window,          // inactive border
    QPalette::Mid,             // application workspace
    QPalette::Highlight,       // highlight
    QPalette::HighlightedText, // highlight text
    QPalette::Button,          // button face
    QPalette::Dark,            // button shadow
    QPalette::PlaceholderText, // grey text
    QPalette::ButtonText,      // button text
    QPalette::Light,           // inactive caption text
    QPalette::Light,           // button highlight
    QPalette::Shadow,          // 3-D dark shadow
    QPalette::Midlight,        // 3-D light
    QPalette::ToolTipText,     // info text
    QPalette::ToolTipBase,     // info background
};
} // namespace

QColor colorFromOle(quint32 code, const QPalette& system)
{
    if (code & kSystemColourFlag) {
        const quint32 index = code & 0xFFu;
        const QPalette::ColorRole role = index < kSystemRoles.size() ? kSystemRoles[index] : QPalette::Window;
        return system.color(QPalette::Active, role);
    }
    return QColor(code & 0xFFu, (code >> 8) & 0xFFu, (code >> 16) & 0xFFu);
}

quint32 oleFromColor(const QColor& colour)
{
    const QRgb rgb = colour.rgb();
    return static_cast<quint32>(qRed(rgb)) | static_cast<quint32>(qGreen(rgb)) << 8
         | static_cast<quint32>(qBlue(rgb)) << 16;
}

} // namespace dialix
