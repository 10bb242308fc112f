#pragma once

#include "ControlSurface.h"

#include <stdexcept>

namespace zolinar {

// A control operation that failed. Nothing in the event procedures catches
// it: it leaves the procedure at the failing step, with the earlier steps
// done, and the program frame reports it and ends the program. what() is
// the description the user reads: the element, the property, the operation
// and the status.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(Status status, Element element, Property property, Operation operation);

    Status status() const { return m_status; }
    Element element() const { return m_element; }
    Property property() const { return m_property; }
    Operation operation() const { return m_operation; }

private:
    Status m_status;
    Element m_element;
    Property m_property;
    Operation m_operation;
};

} // namespace zolinar
