#ifndef OMBREL_MAINWINDOW_H
#define OMBREL_MAINWINDOW_H

#include <memory>
#include <string>

#include "EApplicationView.h"
#include "RunControl.h"
#include "RunWindow.h"
#include "SetFileWindow.h"
#include "SetList.h"
#include "SetListView.h"

class EAboutDialog;
class EBitmapButton;
class ECheckBox;
class EDropDownCombo;
class EFileDialog;
class EFolderBrowser;
class EFont;
class ELabel;
class ELineEdit;
class EOwnerDrawListView;
class EPushButton;
class FrameSettings;
class SetFileSession;
class StatusLine;

// The program's one window: the name box with "New" and "Del", the two
// folder fields with their buttons, "UP", "DOWN" and "Abort", the four
// options and the operation log. It shows the set list, runs the current
// set and keeps the set file and the settings.
class MainWindow : public EApplicationView, public RunWindow, public SetFileWindow, public SetListView {
public:
    enum Command { OpenSetFileCommand = 101, SaveSetFileCommand = 102, ExitCommand = 103, PreviewDownCommand = 104,
                   PreviewUpCommand = 105, RecycleBinCommand = 106, NewSetCommand = 201, DeleteSetCommand = 202,
                   AboutCommand = 901 };
    enum { MinimumWidth = 488, MinimumHeight = 240 };

    // The frame the program asks for: a sizable window of the given class
    // with the menu bar of the interface language and a status bar.
    static EAttributeList& Attributes(EAttributeList& list, const char* className);

    // Builds every control, loads the settings and reads the remembered set
    // file, or posts "Open INI file" to itself when none is known.
    MainWindow(EApplication* application, const char* title, EAttributeList& list);
    // Closes the window first when it still exists, so the sets are saved
    // the one way. Closing (WM_CLOSE) saves them first and may be called off
    // by the user's Cancel; logging off and shutting down save them the
    // same way before Windows is told the session may end.
    ~MainWindow() override;

    void OnQuit() override;
    LRESULT OnActivate(EMessage& message) override;
    LRESULT OnSize(EMessage& message) override;

    // The run's view of the window.
    EWindow* DialogParent() override { return this; }
    HWND Owner() override { return Handle(); }
    void LockForRun() override;
    void UnlockAfterRun() override;
    void ClearLog(bool planned = false) override;
    void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) override;
    void ShowStatus(const std::wstring& text) override;
    int ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile) override;
    int ConfirmDeleteFile(const std::wstring& path, bool toBin) override;
    int ConfirmRemoveFolder(const std::wstring& path, bool toBin) override;
    int ConfirmMassDelete(int deleting, int files, const std::wstring& folder) override;
    int ConfirmPermanentDelete(const std::wstring& path) override;
    int ConfirmSkipFile(const std::wstring& text) override;
    bool UseRecycleBin() override;

    // The set file's view of the window.
    int ChooseSetFile(Dialog dialog, std::string& path) override;
    void Repaint() override;
    Answer AskAboutSetFile(Question question, const std::string& text, bool stoppable) override;

    // The set list's view of the window.
    void ReadFields(CurrentSet& current) override;
    void ShowFields(const CurrentSet& current) override;
    void InsertNameAtTop(const char* name) override;
    void AppendNames(const std::vector<const char*>& names) override;
    void DeleteNameAt(int index) override;
    void ClearNames() override;
    void SelectTop() override;
    int Selection() override;
    void RefuseName(const char* name) override;
    bool ConfirmDeleteSet(const char* name) override;

    SetList& Sets() { return sets; }
    RunControl& Runs() { return runs; }
    SetFileSession& Session() { return *session; }

    // The controls, for whoever drives the window from outside.
    EDropDownCombo* NameBox() const { return nameBox.get(); }
    EPushButton* NewButton() const { return newButton.get(); }
    EPushButton* DeleteButton() const { return deleteButton.get(); }
    ELineEdit* SourceField() const { return sourceField.get(); }
    ELineEdit* DestinationField() const { return destinationField.get(); }
    EBitmapButton* SourceFolderButton() const { return sourceFolderButton.get(); }
    EBitmapButton* DestinationFolderButton() const { return destinationFolderButton.get(); }
    EBitmapButton* UpButton() const { return upButton.get(); }
    EBitmapButton* DownButton() const { return downButton.get(); }
    EPushButton* AbortButton() const { return abortButton.get(); }
    // 0 delete, 1 DOS time, 2 force, 3 exclude object.
    ECheckBox* Option(int index) const { return options[index].get(); }
    EOwnerDrawListView* Log() const { return log.get(); }
    EFolderBrowser* FolderBrowser() const { return folderBrowser.get(); }

private:
    void CreateControls();
    void CreateSetControls(int left, int top, int width);
    void CreateRunControls(int left, int top, int width, int height);
    void ConnectCommands();
    void SetFonts();
    void EnableControls(bool enable);

    LRESULT OnControlColor(EMessage& message);
    LRESULT OnPaint(EMessage& message);
    LRESULT OnMinMaxInfo(EMessage& message);
    LRESULT OnClose(EMessage& message);
    LRESULT OnQueryEndSession(EMessage& message);
    LRESULT OnEndSession(EMessage& message);
    LRESULT OnNameKey(EMessage& message);
    LRESULT OnNameChar(EMessage& message);

    LRESULT OnMenuCommand(EEvent& event);
    LRESULT OnChooseSet(EEvent& event);
    LRESULT OnRefreshTopSet(EEvent& event);
    LRESULT OnNameTyped(EEvent& event);
    LRESULT OnBrowseFolder(EEvent& event);
    LRESULT OnRunForward(EEvent& event);
    LRESULT OnRunBackward(EEvent& event);
    LRESULT OnAbortRun(EEvent& event);

    void BrowseFolder(ELineEdit& field);
    // The name box's text as the user left it, before a choice in its list
    // replaces it.
    void NoteShownName();

    SetList sets;
    RunControl runs;
    EAttributeList aboutList;
    std::unique_ptr<EFont> font;
    std::unique_ptr<EAboutDialog> about;
    std::unique_ptr<EFolderBrowser> folderBrowser;
    std::unique_ptr<EFileDialog> fileDialog;
    std::unique_ptr<EDropDownCombo> nameBox;
    std::unique_ptr<EPushButton> newButton;
    std::unique_ptr<EPushButton> deleteButton;
    std::unique_ptr<ELabel> sourceLabel;
    std::unique_ptr<ELabel> destinationLabel;
    std::unique_ptr<ELineEdit> sourceField;
    std::unique_ptr<ELineEdit> destinationField;
    std::unique_ptr<EBitmapButton> sourceFolderButton;
    std::unique_ptr<EBitmapButton> destinationFolderButton;
    std::unique_ptr<EPushButton> abortButton;
    std::unique_ptr<EBitmapButton> upButton;
    std::unique_ptr<EBitmapButton> downButton;
    std::unique_ptr<ECheckBox> options[4];
    std::unique_ptr<EOwnerDrawListView> log;
    std::unique_ptr<FrameSettings> frameSettings;
    std::unique_ptr<SetFileSession> session;
    std::unique_ptr<StatusLine> status;
    std::string shownName;
    bool choosing = false;
    // The operation column's width before a preview widened it; 0 none.
    int operationWidth = 0;
};

#endif
