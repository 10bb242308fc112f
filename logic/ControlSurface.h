#pragma once

#include "Catalogue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zolinar {

// Every control of the window is an element of a control array and is named
// by array and element number, as in List1(0).
enum class ControlArray : std::uint8_t { Label1, List1, Command1, Text1 };

struct Element {
    ControlArray array;
    std::int16_t index;

    friend constexpr bool operator==(Element, Element) = default;
};

// The elements the event procedures work with, by the role they play.
inline constexpr Element objectList { ControlArray::List1, 0 };
inline constexpr Element professionList { ControlArray::List1, 1 };
inline constexpr Element displayBox { ControlArray::Text1, 0 };

enum class Property : std::uint8_t { ListIndex, List, Enabled, Visible, Text };
enum class Operation : std::uint8_t { Read, Write };

// Outcome of one control operation. Negative values are failures, so that a
// caller can test any status with failed() without knowing every code.
enum class Status : std::int32_t {
    Ok = 0,
    UnknownElement = -1,      // no such element, e.g. List1(7)
    UnsupportedProperty = -2, // the element has no such property, e.g. Text of a list
    RowOutOfRange = -3,       // a row outside -1..28 (write) or 0..28 (item read)
    ControlFailed = -4,       // the control could not carry out the operation
};

constexpr bool failed(Status status) { return static_cast<std::int32_t>(status) < 0; }

// Names for reports: List1, List1(0), ListIndex; the operation and the
// status in the words the user reads.
std::string_view arrayName(ControlArray array);
std::string elementName(Element element);
std::string_view propertyName(Property property);
std::string_view operationName(Operation operation);
std::string_view statusName(Status status);

// The control operations the event procedures need from the window, and no
// more. The window implements it over real widgets; tests implement it over
// an in-memory model. Every operation returns a status instead of throwing,
// so that an implementation can never let a toolkit error escape unreported;
// turning a failed status into an error is the event procedures' job.
//
// An implementation may raise events synchronously from inside an operation,
// as a real list does when its selection is written: writing ListIndex can
// run List1_Click before the write returns.
class ControlSurface {
public:
    virtual ~ControlSurface() = default;

    // Selected row of a list, or noRow.
    virtual Status readListIndex(Element list, Row& row) = 0;
    // Selects a row, or with noRow leaves none selected.
    virtual Status writeListIndex(Element list, Row row) = 0;
    // Item text of a list at a row (UTF-8).
    virtual Status readListItem(Element list, Row row, std::string& text) = 0;
    virtual Status writeEnabled(Element list, bool enabled) = 0;
    virtual Status writeVisible(Element list, bool visible) = 0;
    // Whole content of a text box (UTF-8, CR LF line ends).
    virtual Status readText(Element textBox, std::string& text) = 0;
    // Replaces the whole content of a text box.
    virtual Status writeText(Element textBox, std::string_view text) = 0;

protected:
    ControlSurface() = default;
    ControlSurface(const ControlSurface&) = default;
    ControlSurface& operator=(const ControlSurface&) = default;
};

} // namespace zolinar
