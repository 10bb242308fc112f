#include "RuntimeError.h"

namespace zolinar {

namespace {

std::string describe(Status status, Element element, Property property, Operation operation)
{
    std::string text = elementName(element);
    text += '.';
    text += propertyName(property);
    text += ' ';
    text += operationName(operation);
    text += " failed: ";
    text += statusName(status);
    text += " (status ";
    text += std::to_string(static_cast<std::int32_t>(status));
    text += ')';
    return text;
}

} // namespace

RuntimeError::RuntimeError(Status status, Element element, Property property, Operation operation)
    : std::runtime_error(describe(status, element, property, operation))
    , m_status(status)
    , m_element(element)
    , m_property(property)
    , m_operation(operation)
{
}

} // namespace zolinar
