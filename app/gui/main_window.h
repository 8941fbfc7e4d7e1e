// The preparer's window: the tree of the return's forms, the chosen form's
// pages in tabs, the validation messages, and the file, edit and form
// commands. Unsaved changes are never dropped without asking.
#pragma once

#include "app/gui/return_session.h"

#include <QMainWindow>
#include <functional>

class FormView;
class MessagesPanel;
class SlipsPanel;
class QTreeWidget;
class QAction;
class QTreeWidgetItem;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    ReturnSession& session() { return m_session; }
    FormView* formView() const { return m_formView; }
    QTreeWidget* formTree() const { return m_tree; }
    MessagesPanel* messagesPanel() const { return m_messages; }
    SlipsPanel* slipsPanel() const { return m_slips; }

    // How the window asks the user; tests replace them.
    enum class UnsavedChoice { Save, Discard, Cancel };
    std::function<UnsavedChoice()> askUnsavedChanges;
    // A file name to open (save = false) or save to; empty when cancelled.
    std::function<QString(bool save, const QString& caption, const QString& filter)> askFileName;
    std::function<void(const QString& message)> showError;

    // The commands; each answers false when it did not happen (cancelled or failed).
    bool newReturn();
    // Asks for the return type (T3, T3M, T3S, T3RCA, T3ATH) and starts a return of it.
    bool chooseTypeAndStartReturn();
    bool openReturn(const QString& path);  // asks about unsaved changes first
    bool saveReturn();                     // asks for a name when the return has none
    bool saveReturnAs(const QString& path);
    bool exportNetfileRecords(const QString& path);
    bool exportFilingDocument(const QString& path);
    CTaxData_Form* addForm(const QString& className);
    void selectForm(int formIndex);
    void showMessageField(int formIndex, const QString& fieldName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // True when the current return may be dropped: saved, discarded, or unchanged.
    bool maybeKeepChanges();
    void buildMenus();
    void rebuildTree();
    QTreeWidgetItem* treeItemOf(int formIndex) const;
    void updateTreeTitles();
    void updateTitle();
    void onRecalculated();
    void chooseAndOpen();
    void chooseAndSaveAs();
    void chooseAndAddForm();
    void chooseAndImportRecipients();
    void chooseAndExport(bool netfile);

    ReturnSession m_session;
    FormView* m_formView;
    QTreeWidget* m_tree;  // the forms other than slips
    SlipsPanel* m_slips;
    MessagesPanel* m_messages;
};
