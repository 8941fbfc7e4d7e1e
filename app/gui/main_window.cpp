#include "app/gui/main_window.h"

#include "app/gui/form_view.h"
#include "app/gui/import_recipients_command.h"
#include "app/gui/messages_panel.h"
#include "framework/csv.h"
#include "app/gui/slips_panel.h"
#include "host/copy_rules.h"
#include "host/filing_output.h"
#include "host/new_return.h"
#include "host/return_error.h"
#include "host/return_file.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>

namespace {
const char* const kReturnFilter = "Trust returns (*.t3r *.json);;Binary returns (*.t3r);;JSON returns (*.json)";
}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_formView(new FormView(m_session)), m_tree(new QTreeWidget), m_slips(new SlipsPanel), m_messages(nullptr)
{
    askUnsavedChanges = [this] {
        const auto answer = QMessageBox::question(
            this, tr("Unsaved changes"), tr("The return has changes that are not saved. Save them?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return answer == QMessageBox::Save      ? UnsavedChoice::Save
               : answer == QMessageBox::Discard ? UnsavedChoice::Discard
                                                : UnsavedChoice::Cancel;
    };
    askFileName = [this](bool save, const QString& caption, const QString& filter) {
        return save ? QFileDialog::getSaveFileName(this, caption, QString(), filter)
                    : QFileDialog::getOpenFileName(this, caption, QString(), filter);
    };
    showError = [this](const QString& message) { QMessageBox::critical(this, tr("Trustella"), message); };

    // The fields the calculation fills from another form are shown read-only, with their source.
    m_formView->setEngineFilledQuery([this](const CTaxData_Form& form) {
        EngineFilledFields fields;
        for (const EngineFilledField& f : engineFilledFields(m_session.taxReturn(), form))
            fields.append({f.field, f.comesFrom});
        return fields;
    });

    m_tree->setObjectName(QStringLiteral("formTree"));
    m_tree->setHeaderLabel(tr("Forms of the return"));
    m_tree->setRootIsDecorated(false);
    // Forms above, the slips (possibly thousands) in their own table below.
    auto* lists = new QSplitter(Qt::Vertical);
    lists->addWidget(m_tree);
    lists->addWidget(m_slips);
    lists->setSizes({250, 650});
    auto* splitter = new QSplitter(this);
    splitter->addWidget(lists);
    splitter->addWidget(m_formView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({520, 800});
    setCentralWidget(splitter);

    m_messages = new MessagesPanel(m_session);
    auto* dock = new QDockWidget(tr("Validation messages"), this);
    dock->setObjectName(QStringLiteral("messagesDock"));
    dock->setWidget(m_messages);
    addDockWidget(Qt::BottomDockWidgetArea, dock);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            selectForm(item->data(0, Qt::UserRole).toInt());
    });
    connect(m_slips, &SlipsPanel::slipChosen, this, &MainWindow::selectForm);
    connect(m_messages, &MessagesPanel::showFieldRequested, this, &MainWindow::showMessageField);
    connect(&m_session, &ReturnSession::returnReplaced, this, [this] {
        m_formView->clear();
        rebuildTree();
        onRecalculated();
    });
    connect(&m_session, &ReturnSession::formsChanged, this, [this] {
        m_formView->dropRemovedForms();
        rebuildTree();
    });
    connect(&m_session, &ReturnSession::recalculated, this, &MainWindow::onRecalculated);
    connect(&m_session, &ReturnSession::pathChanged, this, &MainWindow::updateTitle);
    connect(m_session.undoStack(), &QUndoStack::cleanChanged, this, &MainWindow::updateTitle);

    buildMenus();
    resize(1320, 900);
    m_session.newReturn();
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New return"), this, &MainWindow::newReturn, QKeySequence::New);
    file->addAction(tr("New return of &type..."), this, &MainWindow::chooseTypeAndStartReturn);
    file->addAction(tr("&Open..."), this, &MainWindow::chooseAndOpen, QKeySequence::Open);
    file->addAction(tr("&Save"), this, &MainWindow::saveReturn, QKeySequence::Save);
    file->addAction(tr("Save &as..."), this, &MainWindow::chooseAndSaveAs, QKeySequence::SaveAs);
    file->addSeparator();
    file->addAction(tr("Export &Netfile records..."), this, [this] { chooseAndExport(true); });
    file->addAction(tr("Export the JSON &filing document..."), this, [this] { chooseAndExport(false); });
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close, QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = m_session.undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_session.undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* forms = menuBar()->addMenu(tr("F&orms"));
    forms->addAction(tr("&Add a form..."), this, &MainWindow::chooseAndAddForm, QKeySequence(tr("Ctrl+Shift+A")));
    forms->addAction(tr("&Recalculate"), &m_session, &ReturnSession::recalculate, QKeySequence(Qt::Key_F9));
    forms->addAction(tr("&Import T3 slip recipients..."), this, &MainWindow::chooseAndImportRecipients);
}

// ---- the return's forms

void MainWindow::rebuildTree()
{
    const QSignalBlocker blocker(m_tree);
    CTaxData_Form* current = m_formView->currentForm();
    m_tree->clear();
    const TaxReturn& ret = m_session.taxReturn();
    m_slips->showSlipsOf(&ret);
    QTreeWidgetItem* currentItem = nullptr;
    for (int i = 0; i < ret.size(); ++i) {
        if (dynamic_cast<const CSlipTaxDataBase01*>(ret.form(i)))
            continue;  // listed in the slip table
        auto* item = new QTreeWidgetItem(m_tree, {m_session.formTitle(i)});
        item->setData(0, Qt::UserRole, i);
        item->setToolTip(0, item->text(0));
        if (ret.form(i) == current)
            currentItem = item;
    }
    const int currentIndex = ret.indexOf(current);
    if (!currentItem && currentIndex < 0 && m_tree->topLevelItemCount() > 0)
        currentItem = m_tree->topLevelItem(0);
    if (currentItem) {
        m_tree->setCurrentItem(currentItem);
        selectForm(currentItem->data(0, Qt::UserRole).toInt());
    } else if (currentIndex >= 0) {
        selectForm(currentIndex);  // a slip
    } else {
        m_formView->showForm(nullptr);
    }
}

void MainWindow::updateTreeTitles()
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_tree->topLevelItem(i);
        item->setText(0, m_session.formTitle(item->data(0, Qt::UserRole).toInt()));
    }
    m_slips->refresh();  // payers and boxes may have changed
}

QTreeWidgetItem* MainWindow::treeItemOf(int formIndex) const
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        if (m_tree->topLevelItem(i)->data(0, Qt::UserRole).toInt() == formIndex)
            return m_tree->topLevelItem(i);
    return nullptr;
}

void MainWindow::selectForm(int formIndex)
{
    if (formIndex < 0 || formIndex >= m_session.taxReturn().size())
        return;
    {
        const QSignalBlocker blocker(m_tree);
        QTreeWidgetItem* item = treeItemOf(formIndex);
        if (item)
            m_tree->setCurrentItem(item);
        else
            m_tree->setCurrentItem(nullptr);  // a slip: chosen in the slip table
    }
    m_slips->selectForm(formIndex);
    m_formView->showForm(m_session.taxReturn().form(formIndex));
}

void MainWindow::showMessageField(int formIndex, const QString& fieldName)
{
    selectForm(formIndex);
    if (!fieldName.isEmpty())
        m_formView->showField(m_session.taxReturn().form(formIndex), fieldName);
}

void MainWindow::onRecalculated()
{
    m_formView->redisplay();
    updateTreeTitles();
    m_messages->refresh();
}

CTaxData_Form* MainWindow::addForm(const QString& className)
{
    const FormClass* cls = m_session.catalogue().find(className);
    if (!cls || !cls->standalone())
        return nullptr;
    CTaxData_Form* form = m_session.addForm(*cls);
    selectForm(m_session.taxReturn().indexOf(form));
    return form;
}

void MainWindow::chooseAndAddForm()
{
    QStringList titles;
    for (const FormClass& cls : m_session.catalogue().classes())
        titles << cls.title;
    bool ok = false;
    const QString title = QInputDialog::getItem(this, tr("Add a form"), tr("Form:"), titles, 0, false, &ok);
    if (!ok)
        return;
    for (const FormClass& cls : m_session.catalogue().classes())
        if (cls.title == title)
            addForm(cls.className);
}

void MainWindow::chooseAndImportRecipients()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import T3 slip recipients"), QString(),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    std::string text;
    RecipientsImport parsed;
    if (loadFileToString(CString(path), text, 64, 256) != 0)
        parsed.error = tr("the file cannot be read");
    else
        parsed = parseRecipientsCsv(text);
    if (!parsed.ok()) {
        QMessageBox::warning(this, tr("Import T3 slip recipients"),
                             tr("%1: %2\nNothing was imported.").arg(QFileInfo(path).fileName(), parsed.error));
        return;
    }
    auto* command = new ImportRecipientsCommand(m_session, std::move(parsed.rows));
    m_session.undoStack()->push(command);
    statusBar()->showMessage(tr("%1 issued T3 slips added, %2 updated")
                                 .arg(command->applied().added)
                                 .arg(command->applied().updated));
}

// ---- files

void MainWindow::updateTitle()
{
    const QString name = m_session.path().isEmpty() ? tr("New return") : QFileInfo(m_session.path()).fileName();
    setWindowTitle(tr("%1[*] - Trustella").arg(name));
    setWindowModified(m_session.isModified());
}

bool MainWindow::maybeKeepChanges()
{
    if (!m_session.isModified())
        return true;
    switch (askUnsavedChanges()) {
    case UnsavedChoice::Save: return saveReturn();
    case UnsavedChoice::Discard: return true;
    case UnsavedChoice::Cancel: return false;
    }
    return false;
}

bool MainWindow::newReturn()
{
    if (!maybeKeepChanges())
        return false;
    m_session.newReturn();
    return true;
}

bool MainWindow::chooseTypeAndStartReturn()
{
    bool chosen = false;
    const QString type = QInputDialog::getItem(this, tr("New return"), tr("Return type:"), newReturnTypes(), 0,
                                               false, &chosen);
    if (!chosen || !maybeKeepChanges())
        return false;
    m_session.newReturn(type);
    return true;
}

bool MainWindow::openReturn(const QString& path)
{
    if (!maybeKeepChanges())
        return false;
    try {
        m_session.open(path);
    } catch (const ReturnFileError& e) {
        showError(QString::fromStdString(e.what()));
        return false;
    }
    statusBar()->showMessage(tr("Opened %1").arg(path), 5000);
    return true;
}

void MainWindow::chooseAndOpen()
{
    if (!maybeKeepChanges())
        return;
    const QString path = askFileName(false, tr("Open a return"), QLatin1String(kReturnFilter));
    if (!path.isEmpty())
        openReturn(path);
}

bool MainWindow::saveReturn()
{
    if (m_session.path().isEmpty()) {
        const QString path = askFileName(true, tr("Save the return"), QLatin1String(kReturnFilter));
        return !path.isEmpty() && saveReturnAs(path);
    }
    return saveReturnAs(m_session.path());
}

bool MainWindow::saveReturnAs(const QString& path)
{
    // A field being typed in counts too.
    for (BaseTaxPage* page : m_formView->pagesOf(m_formView->currentForm()))
        page->PutDataToDoc();
    try {
        m_session.saveAs(path);
    } catch (const ReturnFileError& e) {
        showError(QString::fromStdString(e.what()));
        return false;
    }
    statusBar()->showMessage(tr("Saved %1").arg(path), 5000);
    return true;
}

void MainWindow::chooseAndSaveAs()
{
    const QString path = askFileName(true, tr("Save the return as"), QLatin1String(kReturnFilter));
    if (!path.isEmpty())
        saveReturnAs(path);
}

bool MainWindow::exportNetfileRecords(const QString& path)
{
    m_session.recalculate();
    const QString text = netfileRecordsText(collectNetfileRecords(m_session.taxReturn()));
    try {
        writeFileAtomically(path, text.toUtf8());
    } catch (const ReturnFileError& e) {
        showError(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

bool MainWindow::exportFilingDocument(const QString& path)
{
    m_session.recalculate();
    std::string text;
    QString error;
    if (!filingDocumentText(m_session.taxReturn(), 2, text, error)) {
        showError(error);
        return false;
    }
    try {
        text += '\n';
        writeFileAtomically(path, QByteArray::fromStdString(text));
    } catch (const ReturnFileError& e) {
        showError(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

void MainWindow::chooseAndExport(bool netfile)
{
    const QString path = netfile ? askFileName(true, tr("Export the Netfile records"), tr("Text files (*.txt)"))
                                 : askFileName(true, tr("Export the JSON filing document"), tr("JSON files (*.json)"));
    if (path.isEmpty())
        return;
    if (netfile ? exportNetfileRecords(path) : exportFilingDocument(path))
        statusBar()->showMessage(tr("Exported %1").arg(path), 5000);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (maybeKeepChanges())
        event->accept();
    else
        event->ignore();
}
