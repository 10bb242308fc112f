#pragma once

#include "ControlSurface.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zolinar::testing {

// An in-memory stand-in for the window's six controls, filled with the same
// content as the real window, so that the event procedures can be run and
// inspected without a toolkit. It keeps the real controls' rules: rows out of
// range and properties a control does not have fail with a status, and a
// ListIndex write can raise the list's Click before it returns.
class MemoryControlSurface final : public ControlSurface {
public:
    // When a ListIndex write raises Click: a real list raises it when the
    // selection changes; some toolkits raise it on every write.
    enum class ClickOnWrite { Never, WhenChanged, Always };

    MemoryControlSurface();

    void setClickOnWrite(ClickOnWrite mode) { m_clickOnWrite = mode; }
    // Called with the list's element number when it raises Click.
    void onListClick(std::function<void(std::int16_t)> handler) { m_onListClick = std::move(handler); }

    // A person's pick: selects the row and raises Click as the list would.
    void pick(Row row);

    struct List {
        std::vector<std::string> items;
        Row selected = noRow;
        bool enabled = true;
        bool visible = true;
    };
    struct TextBox {
        std::string text;
        bool visible = true;
    };
    const List& list(std::int16_t index) const { return m_lists.at(index); }
    const TextBox& textBox(std::int16_t index) const { return m_textBoxes.at(index); }

    Status readListIndex(Element list, Row& row) override;
    Status writeListIndex(Element list, Row row) override;
    Status readListItem(Element list, Row row, std::string& text) override;
    Status writeEnabled(Element list, bool enabled) override;
    Status writeVisible(Element list, bool visible) override;
    Status readText(Element textBox, std::string& text) override;
    Status writeText(Element textBox, std::string_view text) override;

private:
    bool exists(Element element) const;
    Status findList(Element element, List*& list);
    Status findTextBox(Element element, TextBox*& textBox);

    std::map<std::int16_t, List> m_lists;
    std::map<std::int16_t, TextBox> m_textBoxes;
    ClickOnWrite m_clickOnWrite = ClickOnWrite::WhenChanged;
    std::function<void(std::int16_t)> m_onListClick;
};

} // namespace zolinar::testing
