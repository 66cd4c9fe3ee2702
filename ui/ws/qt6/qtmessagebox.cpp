#include "ui/ws/qt6/qtmessagebox.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "ui/core/types.h"

namespace ui::qt {

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    struct Button {
        QMessageBox::StandardButton qt;
        int id;
    };
    static const std::vector<std::vector<Button>> sets = {
        {{QMessageBox::Ok, IDOK}},
        {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}},
        {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}},
        {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}},
        {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}},
        {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}},
    };
    const auto& buttons = sets.at(std::min<size_t>(flags & MB_TYPEMASK, sets.size() - 1));
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (flags & MB_ICONMASK) {
        case MB_ICONHAND: box.setIcon(QMessageBox::Critical); break;
        case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
        case MB_ICONASTERISK: box.setIcon(QMessageBox::Information); break;
        default: break;
    }
    // The platform's captions, with their access keys.
    static const std::vector<std::pair<QMessageBox::StandardButton, const char*>> captions = {
        {QMessageBox::Ok, "OK"},        {QMessageBox::Cancel, "Cancel"}, {QMessageBox::Abort, "&Abort"},
        {QMessageBox::Retry, "&Retry"}, {QMessageBox::Ignore, "&Ignore"}, {QMessageBox::Yes, "&Yes"},
        {QMessageBox::No, "&No"}};
    for (const Button& b : buttons) {
        box.addButton(b.qt);
        for (const auto& [qt, label] : captions)
            if (qt == b.qt) box.button(b.qt)->setText(label);
    }
    const size_t defaultIndex = std::min<size_t>((flags & MB_DEFMASK) >> 8, buttons.size() - 1);
    box.setDefaultButton(buttons[defaultIndex].qt);
    // Escape answers Cancel where there is one, as the platform does.
    for (const Button& b : buttons)
        if (b.id == IDCANCEL || buttons.size() == 1) box.setEscapeButton(b.qt);
    if (flags & MB_TOPMOST) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    for (const Button& b : buttons)
        if (box.clickedButton() == box.button(b.qt)) return b.id;
    return buttons.size() == 1 ? IDOK : IDCANCEL;
}

}  // namespace ui::qt
