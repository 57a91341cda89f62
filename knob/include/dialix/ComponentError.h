#pragma once

#include <dialix/dialix_export.h>

#include <QString>
#include <stdexcept>

namespace dialix {

// The error a component reports to its host for misuse, carrying the host's
// error number and description (e.g. 382 for a design-time-only property
// that is set while the program runs).
class DIALIX_EXPORT ComponentError : public std::runtime_error {
public:
    ComponentError(int number, const QString& description);

    int number() const { return m_number; }
    QString description() const { return QString::fromUtf8(what()); }

private:
    int m_number;
};

} // namespace dialix
