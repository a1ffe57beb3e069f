#include "runtime/win32/list_view.h"

#include <commctrl.h>

#include "runtime/win32/gbk.h"

namespace win {
namespace {

// The list view keeps the check box as a state image: 1 unchecked, 2 checked.
constexpr UINT kUncheckedImage = 1;
constexpr UINT kCheckedImage = 2;
constexpr int kColumnWidth = 300;

class ChannelListView : public ControlWindow, public ui::ChannelRows {
public:
    using ControlWindow::ControlWindow;

    int Count() const override { return ListView_GetItemCount(Hwnd()); }

    std::string Name(int row) const override {
        if (!Valid(row)) return {};
        // LVM_GETITEMTEXT says how much it copied, not how long the text is: grow until it fits.
        std::wstring text(256, L'\0');
        for (;;) {
            LVITEMW item{};
            item.iSubItem = 0;
            item.pszText = text.data();
            item.cchTextMax = static_cast<int>(text.size());
            const auto copied = static_cast<size_t>(
                SendMessageW(Hwnd(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
            if (copied + 1 < text.size()) {
                text.resize(copied);
                return Narrow(text);
            }
            text.resize(text.size() * 2);
        }
    }

    int StateImage(int row) const override {
        if (!Valid(row)) return 0;
        const UINT image = (ListView_GetItemState(Hwnd(), row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12;
        return image == kCheckedImage ? 1 : 0;
    }

    void SetName(int row, std::string_view name) override {
        if (!Valid(row)) return;
        std::wstring text = Widen(name);
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text.data();
        SendMessageW(Hwnd(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    void SetStateImage(int row, int state) override {
        if (!Valid(row)) return;
        ListView_SetItemState(Hwnd(), row, INDEXTOSTATEIMAGEMASK(state ? kCheckedImage : kUncheckedImage),
                              LVIS_STATEIMAGEMASK);
    }

    int Append() override {
        wchar_t empty[] = L"";
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_STATE;
        item.iItem = Count();
        item.pszText = empty;
        item.state = INDEXTOSTATEIMAGEMASK(kUncheckedImage);
        item.stateMask = LVIS_STATEIMAGEMASK;
        return static_cast<int>(SendMessageW(Hwnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }

    void Delete(int row) override {
        if (Valid(row)) ListView_DeleteItem(Hwnd(), row);
    }

    void DeleteAll() override { ListView_DeleteAllItems(Hwnd()); }

    int Selection() const override { return ListView_GetNextItem(Hwnd(), -1, LVNI_SELECTED); }

    void Select(int row) override {
        ListView_SetItemState(Hwnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (!Valid(row)) return;
        ListView_SetItemState(Hwnd(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(Hwnd(), row, FALSE);
    }

    void SetRedraw(bool on) override {
        SendMessageW(Hwnd(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
        if (on) InvalidateRect(Hwnd(), nullptr, TRUE);
    }

private:
    bool Valid(int row) const { return row >= 0 && row < Count(); }
};

}  // namespace

std::unique_ptr<ControlWindow> CreateChannelListView(HWND form, const ui::ControlDef& def, int id, int left, int top) {
    // No LVS_SHOWSELALWAYS: the selected row is highlighted only while the list has the focus.
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | (def.visible ? WS_VISIBLE : 0) | LVS_REPORT |
                        LVS_NOCOLUMNHEADER | LVS_SINGLESEL;
    HWND window =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, left, top, def.width, def.height, form,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    ListView_SetExtendedListViewStyle(window, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ListView_SetTextColor(window, RGB(0, 0, 0));
    ListView_SetTextBkColor(window, RGB(255, 255, 255));
    ListView_SetBkColor(window, RGB(255, 255, 255));
    wchar_t caption[] = L"";
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kColumnWidth;
    column.pszText = caption;
    SendMessageW(window, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return std::make_unique<ChannelListView>(window, def, id);
}

}  // namespace win
