#pragma once

#include "app/document/Document.h"
#include "app/ui/ObjectListModel.h"
#include "app/ui/PropertyPane.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <QMainWindow>
#include <QUndoGroup>

#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QLabel;
class QListView;
class QProgressBar;
class QSettings;
class QSplitter;
class QTreeView;

namespace VelmarisEditor {

class RecentFiles;

// Display currencies: stored prices are in US dollars and shown multiplied by the rate.
struct Currency
{
    const char *code;
    double rate;
};
extern const Currency s_currencies[3];

// The editor: the plan's objects on the left, the chosen object's properties on the right,
// every edit an undoable command. The window holds one plan at a time, as a document: its
// title names the file and marks unsaved changes, and nothing unsaved is dropped without asking.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(std::unique_ptr<Document> document, std::unique_ptr<PlanDocument> reference);
    ~MainWindow() override;

    // Restores the window, its settings and the recent files from the settings and writes them
    // back from now on; a window never given settings remembers nothing.
    void useSettings(QSettings *settings);

    bool selectObject(int objectId);
    // Shows the properties the objects share, to edit them all at once; one id selects that
    // object. False, and nothing changed, for an unknown id or none.
    bool selectObjects(std::vector<int> objectIds);
    // The objects chosen together, in plan order; empty while one object is shown.
    const std::vector<int> &selectedObjects() const { return m_selectedIds; }
    // The code in any case; false for an unknown one.
    bool setCurrency(const QString &code);
    void setCompareWithReference(bool compare);
    void setShowAllProperties(bool showAll);
    void setFilterText(const QString &text);

    // Saves to the path, which becomes the plan's file. Asks before overwriting a file another
    // program changed, and offers another name when the file is read-only or cannot be written;
    // false when not saved.
    bool saveTo(const QString &path);
    // Saves to the plan's file, or asks for one; false when not saved.
    bool save();
    // Asks Save, Discard or Cancel when the plan has unsaved changes; true when it may go
    // (saved or discarded, or nothing to save).
    bool mayDropPlan();
    // Replace the plan after mayDropPlan; false when cancelled or refused (with a message box).
    bool openPlan(const QString &path);
    // Replaces the plan without asking or telling: false with the error when refused or cancelled.
    bool openPlanQuietly(const QString &path, PlanError *error);
    bool newPlan();
    // Loads the plan to compare with and turns the comparison on; false when refused.
    bool openReference(const QString &path);
    // A PDF of the shown object's properties in the desktop's viewer, or where it was written.
    void showReport();

    QTreeView *propertyView() const { return m_view; }
    QListView *objectList() const { return m_objects; }
    // The model of the shown object, which a new object replaces.
    Velmaris::ProcPlanBaseQItemModel &propertyModel() const { return m_pane.model(); }
    PropertyFilterModel &filterModel() { return m_pane.filterModel(); }
    const PropertyFilterModel &filterModel() const { return m_pane.filterModel(); }
    PropertyPane &propertyPane() { return m_pane; }
    Document &document() const { return *m_document; }
    QUndoStack &undoStack() const { return m_document->undoStack(); }
    PlanDocument &plan() const { return m_document->plan(); }
    PlanDocument *reference() const { return m_reference.get(); }
    const QString &planPath() const { return m_document->path(); }
    QAction *compareAction() const { return m_compare; }
    QAction *toAutomaticAction() const { return m_toAutomatic; }
    RecentFiles &recentFiles() const { return *m_recent; }
    // Properties of the shown object as text (for --dump).
    QString dump();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // While a plan is read or written the window answers but starts no other reading or writing
    // (nor closes); while a plan that would replace the shown one is read, it takes no edits.
    class Busy
    {
    public:
        enum Editing { NoEditing, EditingAllowed };
        Busy(MainWindow &window, Editing editing);
        ~Busy();

    private:
        MainWindow &m_window;
        std::vector<QWidget *> m_disabled;
    };

    // The plan in the file, read on another thread with its progress shown; null with the error
    // when it was refused or the reading was cancelled.
    std::unique_ptr<Document> readInBackground(const QString &path, PlanError *error);
    // Tells why a plan was not opened: a refusal in a dialog (the file leaves the recent ones),
    // a cancelled reading in the status bar.
    void explainUnopened(const QString &path, const PlanError &error);
    void buildUi();
    void buildMenus();
    void fitToScreen();
    void saveSettings();
    void replaceDocument(std::unique_ptr<Document> document);
    // Another program changed the plan's file: reload an unmodified plan if the user wants.
    void offerReload();
    void updateTitle();
    void updateCompareAction();
    void updateActions();
    void refill();
    void showFillProgress(int filled, int total);
    // Expands and measures the rows of an object once they are all in view.
    void arrangeShownRows();
    void expandCategories();
    void refresh(int objectId, const std::string &key);
    // Shows an undone or redone change: its object, and its row as the current one.
    void showChange(int objectId, const std::string &key);
    void commitEdit(const QModelIndex &cell);
    // The several objects' side: the list's selection, their shared cells and commands.
    void followListSelection();
    // Shows the shared properties of the objects of these rows, two or more, in plan order.
    void showObjects(const std::vector<int> &rows);
    void showSelectionCount();
    const Velmaris::SharedProperty *currentSharedProperty() const;
    void commitSharedEdit(const QModelIndex &cell);
    void refreshShared(const std::string &key);
    void showSharedChange(const std::vector<int> &objectIds, const std::string &key);
    void pushSharedUndoable(const std::shared_ptr<Velmaris::CommandBase> &command, const std::string &key);
    bool canSetToAutomatic() const;
    void setSelectedToAutomatic();
    void openFromDialog();
    void openReferenceFromDialog();
    bool saveAs();
    bool saveWith(const QString &path, Document::Conflict conflict);
    // Asks what to do about a save the document would not make; true when it was then saved.
    bool resolveRefusedSave(Document::SaveOutcome outcome, const QString &path);
    const PlanObject *currentObject() const;
    // The plan object and property a value cell shows; nulls when the cell shows none.
    struct CellProperty
    {
        const PlanObject *object = nullptr;
        CCAPIBaseCommon::BaseProperty *property = nullptr;
        int objectId = -1;
        std::string key;
    };
    CellProperty propertyAt(const QModelIndex &cell) const;
    // The model's value cell of the view's current row; invalid on a category row.
    QModelIndex currentValueCell() const;
    // Executes the command on the undo stack; undo and redo refresh the property's row.
    void pushUndoable(const std::shared_ptr<Velmaris::CommandBase> &command, const CellProperty &at);

    std::unique_ptr<Document> m_document;
    std::unique_ptr<PlanDocument> m_reference;
    // Plans opened later show their labels in the language of the first.
    std::string m_language;
    PropertyPane m_pane;
    ObjectListModel m_objectList;
    // Its stack is the document's: actions and history follow the document that is open.
    QUndoGroup m_undoGroup;
    QSettings *m_settings = nullptr;
    int m_objectId = -1;
    std::vector<int> m_selectedIds;
    bool m_selectingList = false;
    bool m_filling = false;
    bool m_busy = false;

    QListView *m_objects = nullptr;
    QTreeView *m_view = nullptr;
    QSplitter *m_splitter = nullptr;
    QLineEdit *m_filterEdit = nullptr;
    QComboBox *m_currency = nullptr;
    QAction *m_compare = nullptr;
    QAction *m_showAll = nullptr;
    QAction *m_toAutomatic = nullptr;
    RecentFiles *m_recent = nullptr;
    QProgressBar *m_fillProgress = nullptr;
    QLabel *m_selectionCount = nullptr;
};

} // namespace VelmarisEditor
