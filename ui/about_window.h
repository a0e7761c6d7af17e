// Form_About: the static window that names the program, describes it and gives the contact address.
#pragma once

#include <QWidget>

namespace conwave {

// A top-level window without owner; it deletes itself when closed.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace conwave
