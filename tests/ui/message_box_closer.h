// Answers the modal message boxes a window opens: notes each one, lets the caller look while it is open, then
// presses its button. A box is closed only on a later look, so what the caller posted meanwhile has run.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

namespace conwave::test {

struct SeenBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
};

class MessageBoxCloser {
public:
    using WhileOpen = std::function<void(QMessageBox *)>;

    explicit MessageBoxCloser(WhileOpen whileOpen = {})
        : m_whileOpen(std::move(whileOpen))
    {
        m_poll.setInterval(0);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { look(); });
        m_poll.start();
    }

    const std::vector<SeenBox> &seen() const { return m_seen; }

private:
    void look()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (box != m_current) {
            m_current = box;
            m_looks = 0;
            m_seen.push_back({box->icon(), box->windowTitle(), box->text()});
            if (m_whileOpen)
                m_whileOpen(box);
            return;
        }
        if (++m_looks < 3)
            return;
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    WhileOpen m_whileOpen;
    QTimer m_poll;
    QPointer<QMessageBox> m_current;
    int m_looks = 0;
    std::vector<SeenBox> m_seen;
};

} // namespace conwave::test
