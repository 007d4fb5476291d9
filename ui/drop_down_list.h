#pragma once
// A drop-down list: the user can only pick an entry, never type. Entries carry
// a 32-bit item data each. Nothing is selected until the user or the code
// selects an entry (ListIndex -1, empty Text). Click() follows the user's picks
// only (mouse, arrow keys, wheel); a selection made by code raises nothing.
#include <QComboBox>
#include <cstdint>
#include <string>

namespace orvik {

class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent = nullptr);

    int ListIndex() const { return currentIndex(); }
    // Selects entry `index` from code, -1 for none.
    void SetListIndex(int index);
    int ListCount() const { return count(); }

    // The selected entry's text; empty when none is selected.
    std::string Text() const;
    // Selects the first entry whose text equals `text` exactly. Throws
    // ControlError, changing nothing, when there is none.
    void SetText(const std::string& text);

    // The first entry whose text equals `text` exactly, or whose item data is
    // `itemData`; -1 when there is none.
    int IndexOf(const std::string& text) const;
    int IndexOfItemData(std::int32_t itemData) const;

    // Appends an entry; the selection stays as it was.
    void AddItem(const std::string& text, std::int32_t itemData = 0);
    void Clear();
    // Throws ControlError for an index outside 0 to ListCount() - 1.
    std::int32_t ItemData(int index) const;

signals:
    void Click();

private:
    // The handlers empty a list with Clear().
    using QComboBox::clear;
};

}  // namespace orvik
