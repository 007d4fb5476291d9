#include "ui/drop_down_list.h"

#include "document/file_text.h"
#include "ui/controls.h"

namespace orvik {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int) { emit Click(); });
}

void DropDownList::SetListIndex(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

std::string DropDownList::Text() const { return currentIndex() < 0 ? std::string() : FileText(currentText()); }

void DropDownList::SetText(const std::string& text) {
    const int index = IndexOf(text);
    if (index < 0) throw ControlError("the list holds no entry with that text");
    setCurrentIndex(index);
}

int DropDownList::IndexOf(const std::string& text) const {
    const QString wanted = QtText(text);
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == wanted) return i;
    return -1;
}

int DropDownList::IndexOfItemData(std::int32_t itemData) const {
    for (int i = 0; i < count(); ++i)
        if (ItemData(i) == itemData) return i;
    return -1;
}

void DropDownList::AddItem(const std::string& text, std::int32_t itemData) {
    const int selected = currentIndex();
    addItem(QtText(text), QVariant(static_cast<int>(itemData)));
    // Qt selects the first entry added to an empty list; this list does not.
    if (currentIndex() != selected) setCurrentIndex(selected);
}

void DropDownList::Clear() { QComboBox::clear(); }

std::int32_t DropDownList::ItemData(int index) const {
    if (index < 0 || index >= count()) throw ControlError("list index out of range");
    return static_cast<std::int32_t>(itemData(index).toInt());
}

}  // namespace orvik
