// The validation messages of the return, in form order; double-clicking a
// message asks the window to show its form and field.
#pragma once

#include "app/gui/return_session.h"

#include <QListWidget>

class MessagesPanel : public QListWidget {
    Q_OBJECT
public:
    explicit MessagesPanel(ReturnSession& session, QWidget* parent = nullptr);

    // Validates the return again and lists its messages.
    void refresh();

signals:
    // The user asked for the form (and field, empty when unknown) of a message.
    void showFieldRequested(int formIndex, const QString& fieldName);

private:
    void onActivated(QListWidgetItem* item);
    ReturnSession& m_session;
};
