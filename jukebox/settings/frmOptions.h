#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "jukebox/console/CTreeView.h"
#include "jukebox/settings/OptionsForm.h"

namespace brambletune {

class CFormUtils;
class RegistryStore;
class Win32FormWindow;

// "Options": a category tree on the left and one page per category; OK and
// Apply copy the pages into the options and tell the open windows at once.
class frmOptions {
public:
    static constexpr int kPages = 10;

    frmOptions(HINSTANCE instance, RegistryStore& registry, OpenWindows& windows);
    ~frmOptions();
    frmOptions(const frmOptions&) = delete;
    frmOptions& operator=(const frmOptions&) = delete;

    void ShowModal(HWND owner);

private:
    // The common colour and font dialogs, owned by the options dialog.
    class Choosers : public OptionsChoosers {
    public:
        bool PickColor(std::uint32_t& colour, std::array<std::uint32_t, 16>& custom) override;
        bool PickFont(ChosenFont& font) override;
        HWND owner = nullptr;
    };

    template <class Form>
    friend INT_PTR CALLBACK DialogProcOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnColor(HDC dc, HWND control);
    void OnCommand(int id, int code);
    void OnNotify(const NMHDR& header);
    void OnPaint();
    void Form_Load();
    void Form_Unload();
    void CreatePages();
    void FillTree();
    void FillTypeList();
    void CreateTooltips();
    void tvwOptions_NodeClick(HTREEITEM node);
    void FitTreeLeftOf(int pageLeft);
    void chk_Click(int index);
    void cmd_Click(int index);
    void cmdApply_Click();
    void sld_Change(int index);
    void CheckColors();
    void ShowOptions();
    OptionsControls ReadControls() const;
    void WriteControls(const OptionsControls& controls);
    void SetSample(int index, std::uint32_t colour);
    HWND Item(int id) const;
    RECT BandRect() const;

    HINSTANCE instance_;
    RegistryStore& registry_;
    Choosers choosers_;
    OptionsForm form_;
    HWND dialog_ = nullptr;
    std::array<HWND, kPages> frame_{};
    int shownPage_ = -1;
    HWND tooltip_ = nullptr;
    CTreeView tree_;
    std::array<std::uint32_t, 2> samples_{};
    std::array<HBRUSH, 2> sampleBrushes_{};
    HBRUSH background_ = nullptr;
    bool filling_ = false;
    std::unique_ptr<Win32FormWindow> window_;
    std::unique_ptr<CFormUtils> formUtils_;
};

}  // namespace brambletune
