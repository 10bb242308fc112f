#include "RuntimeError.h"

#include "WindowTexts.h"

#include <iterator>

namespace zolinar {

namespace {

std::string describe(Status status, Element element, Property property, Operation operation)
{
    const std::string values[] = { elementName(element), std::string(propertyName(property)),
        std::string(operationName(operation)),
        std::to_string(static_cast<std::int32_t>(status)) + " (" + std::string(statusName(status)) + ')' };
    std::string text { runtimeErrorText };
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::string mark = '%' + std::to_string(i + 1);
        text.replace(text.find(mark), mark.size(), values[i]);
    }
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
