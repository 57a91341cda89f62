#include <dialix/ComponentError.h>

namespace dialix {

ComponentError::ComponentError(int number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
{
}

} // namespace dialix
