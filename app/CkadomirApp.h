#pragma once

#include "app/MainWindowSeams.h"
#include "framework/Application.h"

class CkadomirDlg;

// The program: its whole life is the main window's modal loop.
class CkadomirApp : public fw::Application {
public:
    explicit CkadomirApp(std::function<MainWindowSeams()> seams = ProductSeams) : seams_(std::move(seams)) {}

    // The main window while its loop runs; null before and after.
    CkadomirDlg* MainWindow() const { return mainWindow_; }

protected:
    BOOL InitInstance() override;

private:
    std::function<MainWindowSeams()> seams_;
    CkadomirDlg* mainWindow_ = nullptr;
};
