#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CvSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

// The generic configuration window: one descriptor table shown as a scalar
// page or a table page. It reads the device once it is on screen and
// releases its bindings when it closes, after their running reads ended.
class TConfigForm : public QDialog {
public:
    static constexpr std::uint8_t kNotSetUp = 0;
    static constexpr std::uint8_t kScalarPage = 1;
    static constexpr std::uint8_t kTablePage = 2;
    // How often a close that waits for a running read looks again.
    static constexpr int kCloseRetryMs = 10;

    explicit TConfigForm(QWidget* owner);
    ~TConfigForm() override;

    // Once per window: a second set-up of either kind raises.
    TSNMPEditorPanel* SetupScalar(std::unique_ptr<CvSNMPRequest2Edits> binding);
    // -1 and an empty status: no Add (no Delete).
    TSNMPListViewPanel* SetupTable(std::unique_ptr<CvSNMPRequest2Edits> binding,
                                   std::int32_t addColumn, const std::string& addStatus,
                                   std::int32_t deleteColumn, const std::string& deleteStatus);

    // Reads the first binding into the page; a failure goes to the page's
    // message area. Runs once the window is on screen.
    virtual void Refresh();
    // Stops the bindings' requests; true once none is running any more and
    // the bindings are freed.
    bool FormClose();

    // The page: a TSNMPEditorPanel or a TSNMPListViewPanel, or null.
    TSNMPEditorPanel* Page() const { return FPage; }

    std::uint8_t PageKind = kNotSetUp;
    std::vector<std::unique_ptr<CvSNMPRequest2Edits>> Bindings;
    CvSNMPRequest2Edits* ActiveBinding = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CheckNotSetUp() const;
    void PlacePage(TSNMPEditorPanel* page);

    TSNMPEditorPanel* FPage = nullptr;
    bool FRefreshPosted = false;
    bool FClosing = false;
};
