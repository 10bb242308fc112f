#include "ControlSurface.h"

#include "WindowTexts.h"

namespace zolinar {

std::string_view arrayName(ControlArray array)
{
    switch (array) {
    case ControlArray::Label1: return "Label1";
    case ControlArray::List1: return "List1";
    case ControlArray::Command1: return "Command1";
    case ControlArray::Text1: return "Text1";
    }
    return "?";
}

std::string elementName(Element element)
{
    return std::string(arrayName(element.array)) + '(' + std::to_string(element.index) + ')';
}

std::string_view propertyName(Property property)
{
    switch (property) {
    case Property::ListIndex: return "ListIndex";
    case Property::List: return "List";
    case Property::Enabled: return "Enabled";
    case Property::Visible: return "Visible";
    case Property::Text: return "Text";
    }
    return "?";
}

std::string_view operationName(Operation operation)
{
    switch (operation) {
    case Operation::Read: return readOperationText;
    case Operation::Write: return writeOperationText;
    }
    return "?";
}

std::string_view statusName(Status status)
{
    switch (status) {
    case Status::Ok: return {};
    case Status::UnknownElement: return unknownElementText;
    case Status::UnsupportedProperty: return unsupportedPropertyText;
    case Status::RowOutOfRange: return rowOutOfRangeText;
    case Status::ControlFailed: return controlFailedText;
    }
    return {};
}

} // namespace zolinar
