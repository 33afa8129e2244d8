#include "jukebox/settings/frmOptions.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/DialogProc.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/Win32FileAssociations.h"
#include "res/resource.h"

namespace brambletune {

namespace {

// Where every page frame is placed, in twips from the dialog's client origin.
constexpr int kPageLeft = 2280;
constexpr int kPageTop = 600;

// The heading band behind the node text and the page description, in dialog units.
constexpr RECT kBand = {100, 3, 354, 24};

constexpr std::array<const char*, frmOptions::kPages> kDescriptions = {
    "Change the appearance of the display",
    "Configure various windows features",
    "Change the colors used in Brambletune",
    "Change the fonts used in Brambletune",
    "Configure settings to do with windows explorer",
    "Configure Brambletune's environment settings",
    "Configure Brambletune's behaviour",
    "Change the behaviour of the lyrics window",
    "Change playback behaviour",
    "Configure album settings",
};

struct Node {
    const char* text;
    int page;
    bool root;
};
constexpr std::array<Node, frmOptions::kPages> kNodes = {{
    {"Appearance", 0, true},
    {"Colors", 2, false},
    {"Fonts", 3, false},
    {"Behaviour", 6, true},
    {"Window settings", 1, false},
    {"Playback", 8, false},
    {"Album", 9, false},
    {"Lyrics", 7, false},
    {"Setup", 4, true},
    {"Environment", 5, false},
}};

struct Tip {
    int id;
    const char* text;
};
constexpr Tip kTips[] = {
    {IDC_OPTIONS_CHK + 2, "Allow moving of windows by dragging on any part of the window."},
    {IDC_OPTIONS_CHK + 3, "Only activates when using EasyMove"},
    {IDC_OPTIONS_TXT + 1, "Default value is 20"},
    {IDC_OPTIONS_CHK + 8, "Removes duplicate listings whenever an album is loaded"},
    {IDC_OPTIONS_CHK + 0, "Allow multiple copies of the same file to be added to the PlayList"},
    {IDC_OPTIONS_CHK + 1, "Automatically save albums when closing"},
    {IDC_OPTIONS_CHK + 7, "Automatically start playing whenever an album is loaded"},
    {IDC_OPTIONS_TXT + 3, "Can be up to 11 characters long"},
    {IDC_OPTIONS_OPT + 1, "The folder is named after the artist"},
    {IDC_OPTIONS_OPT + 2, "The folder is named after the album"},
    {IDC_OPTIONS_OPT + 3,
     "The folder is named after the album, and is contained in a folder named after the artist"},
    {IDC_OPTIONS_SLD + 1, "Selects the icon used for Brambletune files in windows explorer"},
    {IDC_OPTIONS_SLD + 0, "Selects the icon used for Brambletune albums in windows explorer"},
    {IDC_OPTIONS_CHK + 6,
     "Allows you to double click the file types selected above in windows explorer"},
};

// The index of id in the control array starting at base with count members; -1 outside it.
int IndexIn(int id, int base, int count) {
    return id >= base && id < base + count ? id - base : -1;
}

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

bool frmOptions::Choosers::PickColor(std::uint32_t& colour, std::array<std::uint32_t, 16>& custom) {
    COLORREF slots[16];
    for (std::size_t i = 0; i < 16; ++i) slots[i] = custom[i];
    CHOOSECOLORA chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.rgbResult = colour;
    chooser.lpCustColors = slots;
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    const bool chosen = ChooseColorA(&chooser) != FALSE;
    for (std::size_t i = 0; i < 16; ++i) custom[i] = slots[i];
    if (chosen) colour = chooser.rgbResult;
    return chosen;
}

bool frmOptions::Choosers::PickFont(ChosenFont& font) {
    LOGFONTA face = {};
    CHOOSEFONTA chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpLogFont = &face;
    chooser.Flags = CF_SCREENFONTS | CF_FORCEFONTEXIST;
    if (!ChooseFontA(&chooser)) return false;
    font.charset = face.lfCharSet;
    font.italic = face.lfItalic != 0;
    font.name = face.lfFaceName;
    font.size = chooser.iPointSize / 10.0;
    font.strikethrough = face.lfStrikeOut != 0;
    font.underline = face.lfUnderline != 0;
    font.weight = static_cast<std::int16_t>(face.lfWeight);
    return true;
}

frmOptions::frmOptions(HINSTANCE instance, RegistryStore& registry, OpenWindows& windows)
    : instance_(instance),
      registry_(registry),
      form_(Options, choosers_, {windows, registry, RunningProgramPath(), NotifyAssocChanged}) {}

frmOptions::~frmOptions() {
    for (HBRUSH brush : sampleBrushes_)
        if (brush) DeleteObject(brush);
    if (background_) DeleteObject(background_);
}

void frmOptions::ShowModal(HWND owner) {
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_OPTIONS), owner, DialogProcOf<frmOptions>,
                    reinterpret_cast<LPARAM>(this));
}

// A page frame hands what its controls report to the dialog.
INT_PTR CALLBACK frmOptions::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_LBUTTONDOWN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return SendMessageA(GetParent(page), message, wParam, lParam);
    default: return FALSE;
    }
}

INT_PTR frmOptions::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: Form_Load(); return TRUE;
    case WM_LBUTTONDOWN: formUtils_->Move(); return TRUE;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return TRUE;
    case WM_HSCROLL:
        sld_Change(IndexIn(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), IDC_OPTIONS_SLD, 2));
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT: OnPaint(); return TRUE;
    case WM_DESTROY: Form_Unload(); return FALSE;
    default: return FALSE;
    }
}

INT_PTR frmOptions::OnColor(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (const int sample = IndexIn(id, IDC_OPTIONS_SHP, 2); sample >= 0)
        return reinterpret_cast<INT_PTR>(sampleBrushes_[At(sample)]);
    const bool heading =
        id == IDC_OPTIONS_LBL + 11 || id == IDC_OPTIONS_LBL + 12 || id == IDC_OPTIONS_IMG;
    const bool text = IndexIn(id, IDC_OPTIONS_TXT, 4) >= 0 && IsWindowEnabled(control);
    if (!heading && !text) return FALSE;
    SetTextColor(dc, Options.TextColor());
    SetBkColor(dc, Options.BackgroundColor());
    return reinterpret_cast<INT_PTR>(background_);
}

void frmOptions::OnCommand(int id, int code) {
    if (id == IDOK || id == IDC_OPTIONS_APPLY) cmdApply_Click();
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(dialog_, id);
        return;
    }
    if (const int i = IndexIn(id, IDC_OPTIONS_CHK, OptionsControls::kChecks);
        i >= 0 && code == BN_CLICKED)
        chk_Click(i);
    if (const int i = IndexIn(id, IDC_OPTIONS_CMD, OptionsForm::kChoosers);
        i >= 0 && code == BN_CLICKED)
        cmd_Click(i);
    if (IndexIn(id, IDC_OPTIONS_TXT, OptionsControls::kTexts) >= 0 && code == EN_SETFOCUS)
        SendMessageA(Item(id), EM_SETSEL, 0, -1);
}

void frmOptions::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_OPTIONS_TREE && header.code == TVN_SELCHANGEDA) {
        tvwOptions_NodeClick(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem);
        return;
    }
    if (header.idFrom == IDC_OPTIONS_TREE && header.code == NM_CLICK) {
        // A press selects the node under it even when it is already selected.
        TVHITTESTINFO hit = {};
        GetCursorPos(&hit.pt);
        ScreenToClient(header.hwndFrom, &hit.pt);
        if (HTREEITEM node = TreeView_HitTest(header.hwndFrom, &hit)) {
            TreeView_SelectItem(header.hwndFrom, node);
            tvwOptions_NodeClick(node);
        }
        return;
    }
    if (header.idFrom == IDC_OPTIONS_LST && header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const bool checkMark = (change.uChanged & LVIF_STATE) &&
                               ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK);
        if (checkMark && !filling_) form_.lst_ItemCheck();
    }
}

void frmOptions::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog_, &paint);
    const RECT band = BandRect();
    FillRect(dc, &band, background_);
    EndPaint(dialog_, &paint);
}

RECT frmOptions::BandRect() const {
    RECT band = kBand;
    MapDialogRect(dialog_, &band);
    return band;
}

void frmOptions::Form_Load() {
    window_ = std::make_unique<Win32FormWindow>(dialog_);
    formUtils_ = std::make_unique<CFormUtils>(*window_, registry_);
    choosers_.owner = dialog_;
    if (Options.OnTop()) formUtils_->ZOnTop();
    tree_.Init(GetDlgItem(dialog_, IDC_OPTIONS_TREE));
    CreatePages();
    FillTree();
    FillTypeList();
    CreateTooltips();
    for (int i = 0; i < 3; ++i) SendMessageA(Item(IDC_OPTIONS_TXT + i), EM_LIMITTEXT, 2, 0);
    SendMessageA(Item(IDC_OPTIONS_TXT + 3), EM_LIMITTEXT, 11, 0);
    for (int i = 0; i < 2; ++i)
        SendMessageA(Item(IDC_OPTIONS_SLD + i), TBM_SETRANGE, TRUE, MAKELPARAM(1, 10));
    HTREEITEM first = TreeView_GetRoot(tree_.TrView());
    TreeView_SelectItem(tree_.TrView(), first);
    tvwOptions_NodeClick(first);
    CheckColors();
    ShowOptions();
}

void frmOptions::Form_Unload() {
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    formUtils_.reset();
}

void frmOptions::CreatePages() {
    HWND after = tree_.TrView();
    for (int page = 0; page < kPages; ++page) {
        HWND frame = CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_OPTIONS_PAGE + page),
                                        dialog_, PageProc, 0);
        // Tab from the tree into the page that shows.
        SetWindowPos(frame, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = frame;
        frame_[At(page)] = frame;
    }
}

void frmOptions::FillTree() {
    HTREEITEM root = TVI_ROOT;
    for (const Node& node : kNodes) {
        HTREEITEM item =
            tree_.Add(node.root ? TVI_ROOT : root, node.text, CTreeView::KeyToStr(node.page));
        if (node.root) root = item;
    }
    for (HTREEITEM item = TreeView_GetRoot(tree_.TrView()); item;
         item = TreeView_GetNextSibling(tree_.TrView(), item))
        TreeView_Expand(tree_.TrView(), item, TVE_EXPAND);
}

void frmOptions::FillTypeList() {
    HWND list = Item(IDC_OPTIONS_LST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES);
    filling_ = true;
    for (int i = 0; i < kAssocFileTypes; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(kAssocExtensions[At(i)]);
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    filling_ = false;
}

void frmOptions::CreateTooltips() {
    tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog_, nullptr,
                               instance_, nullptr);
    for (const Tip& tip : kTips) {
        TOOLINFOA info = {};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = dialog_;
        info.uId = reinterpret_cast<UINT_PTR>(Item(tip.id));
        info.lpszText = const_cast<char*>(tip.text);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void frmOptions::tvwOptions_NodeClick(HTREEITEM node) {
    if (!node) return;
    TVITEMA item = {};
    char text[64] = {};
    item.mask = TVIF_TEXT | TVIF_PARAM;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    TreeView_GetItem(tree_.TrView(), &item);
    const int page = static_cast<int>(item.lParam);
    if (page < 0 || page >= kPages || page == shownPage_) return;
    SetDlgItemTextA(dialog_, IDC_OPTIONS_LBL + 11, text);
    SetDlgItemTextA(dialog_, IDC_OPTIONS_LBL + 12, kDescriptions[At(page)]);
    HDC dc = GetDC(dialog_);
    const int left = MulDiv(kPageLeft, GetDeviceCaps(dc, LOGPIXELSX), 1440);
    const int top = MulDiv(kPageTop, GetDeviceCaps(dc, LOGPIXELSY), 1440);
    ReleaseDC(dialog_, dc);
    SetWindowPos(frame_[At(page)], nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitTreeLeftOf(left);
    for (HWND frame : frame_) ShowWindow(frame, SW_HIDE);
    ShowWindow(frame_[At(page)], SW_SHOW);
    shownPage_ = page;
}

// The tree ends a little left of the page origin, whatever the dialog font makes of its template.
void frmOptions::FitTreeLeftOf(int pageLeft) {
    RECT tree;
    GetWindowRect(tree_.TrView(), &tree);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&tree), 2);
    const int width = pageLeft - 6 - tree.left;
    if (width > 0 && width != tree.right - tree.left)
        SetWindowPos(tree_.TrView(), nullptr, 0, 0, width, tree.bottom - tree.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmOptions::chk_Click(int index) {
    if (index == 2 || index == 3) {
        const SnapControlsState state = OptionsForm::SnapControls(ReadControls());
        EnableWindow(Item(IDC_OPTIONS_CHK + 3), state.snapBox);
        for (int id : {IDC_OPTIONS_TXT + 1, IDC_OPTIONS_LBL + 5, IDC_OPTIONS_LBL + 3})
            EnableWindow(Item(id), state.distance);
    }
    if (index == 6 && !filling_) form_.chkAlbum_Click();
}

void frmOptions::cmd_Click(int index) {
    OptionsControls controls = ReadControls();
    form_.cmd_Click(index, controls);
    if (index < 2) SetSample(index, controls.shp[At(index)]);
}

void frmOptions::cmdApply_Click() {
    if (form_.Apply(ReadControls())) CheckColors();
}

void frmOptions::sld_Change(int index) {
    if (index < 0) return;
    const auto value = SendMessageA(Item(IDC_OPTIONS_SLD + index), TBM_GETPOS, 0, 0);
    HICON icon = LoadIconA(instance_, MAKEINTRESOURCEA(value + 100));
    SendMessageA(Item(IDC_OPTIONS_IMG + index + 1), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

void frmOptions::CheckColors() {
    tree_.BackColor(Options.BackgroundColor());
    tree_.ForeColor(Options.TextColor());
    if (background_) DeleteObject(background_);
    background_ = CreateSolidBrush(Options.BackgroundColor());
    HWND list = Item(IDC_OPTIONS_LST);
    ListView_SetBkColor(list, Options.BackgroundColor());
    ListView_SetTextBkColor(list, Options.BackgroundColor());
    ListView_SetTextColor(list, Options.TextColor());
    InvalidateRect(dialog_, nullptr, TRUE);
    for (HWND frame : frame_) InvalidateRect(frame, nullptr, TRUE);
}

void frmOptions::ShowOptions() {
    filling_ = true;
    WriteControls(form_.ShowOptions());
    chk_Click(2);
    filling_ = false;
}

OptionsControls frmOptions::ReadControls() const {
    OptionsControls c;
    for (int i = 0; i < OptionsControls::kOpts; ++i)
        c.opt[At(i)] = SendMessageA(Item(IDC_OPTIONS_OPT + i), BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (int i = 0; i < OptionsControls::kChecks; ++i)
        c.chk[At(i)] =
            static_cast<std::int32_t>(SendMessageA(Item(IDC_OPTIONS_CHK + i), BM_GETCHECK, 0, 0));
    for (int i = 0; i < OptionsControls::kTexts; ++i) {
        char text[16] = {};
        GetWindowTextA(Item(IDC_OPTIONS_TXT + i), text, sizeof text);
        c.txt[At(i)] = text;
    }
    c.shp = samples_;
    HWND list = Item(IDC_OPTIONS_LST);
    for (int i = 0; i < kAssocFileTypes; ++i) c.lst[At(i)] = ListView_GetCheckState(list, i) != 0;
    for (int i = 0; i < 2; ++i)
        c.sld[At(i)] =
            static_cast<std::int32_t>(SendMessageA(Item(IDC_OPTIONS_SLD + i), TBM_GETPOS, 0, 0));
    return c;
}

void frmOptions::WriteControls(const OptionsControls& c) {
    for (int i = 0; i < OptionsControls::kOpts; ++i)
        SendMessageA(Item(IDC_OPTIONS_OPT + i), BM_SETCHECK, c.opt[At(i)] ? BST_CHECKED : 0, 0);
    for (int i = 0; i < OptionsControls::kChecks; ++i)
        SendMessageA(Item(IDC_OPTIONS_CHK + i), BM_SETCHECK, static_cast<WPARAM>(c.chk[At(i)]), 0);
    for (int i = 0; i < OptionsControls::kTexts; ++i)
        SetWindowTextA(Item(IDC_OPTIONS_TXT + i), c.txt[At(i)].c_str());
    for (int i = 0; i < 2; ++i) SetSample(i, c.shp[At(i)]);
    HWND list = Item(IDC_OPTIONS_LST);
    for (int i = 0; i < kAssocFileTypes; ++i) ListView_SetCheckState(list, i, c.lst[At(i)]);
    for (int i = 0; i < 2; ++i) {
        SendMessageA(Item(IDC_OPTIONS_SLD + i), TBM_SETPOS, TRUE, c.sld[At(i)]);
        sld_Change(i);
    }
}

void frmOptions::SetSample(int index, std::uint32_t colour) {
    samples_[At(index)] = colour;
    HBRUSH& brush = sampleBrushes_[At(index)];
    if (brush) DeleteObject(brush);
    brush = CreateSolidBrush(colour);
    InvalidateRect(Item(IDC_OPTIONS_SHP + index), nullptr, TRUE);
}

HWND frmOptions::Item(int id) const {
    for (HWND frame : frame_)
        if (HWND item = GetDlgItem(frame, id)) return item;
    return GetDlgItem(dialog_, id);
}

}  // namespace brambletune
