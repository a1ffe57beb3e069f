#include <iterator>
#include <string>

#include "standin.h"

namespace standin {
namespace {

// Client point (32, 8) lies on the root and (52, 52) on the first sub-channel.
constexpr int kRootRowHeight = 40;
constexpr int kRowHeight = 24;
constexpr int kIndent = 24;

// Owner-drawn items of a fixed height put menu client point (80, 130) on item 6 and (80, 150) on
// item 7, whatever top margin the system's menu adds (up to 9 px).
constexpr UINT kMenuItemHeight = 20;
constexpr UINT kMenuItemWidth = 170;
constexpr UINT kCreateItem = 7;  // command ids are item index + 1
constexpr UINT kDeleteItem = 8;
const wchar_t* const kMenuItems[] = {L"进入频道", L"频道信息", L"复制频道地址",   L"频道设置",   L"成员管理",
                                     L"频道公告", L"创建子频道", L"删除频道", L"刷新频道列表"};

constexpr UINT kOpenMenuMessage = WM_APP + 1;
constexpr UINT_PTR kMenuDelayTimer = 1;

int pendingRow = kNoRow;
POINT pendingPoint{};

int RowAt(int y) {
    if (y < 0) return kNoRow;
    if (y < kRootRowHeight) return kRootRow;
    int sub = (y - kRootRowHeight) / kRowHeight;
    return sub < int(App().channels.size()) ? sub + 1 : kNoRow;
}

std::wstring RowName(int row) {
    if (row == kRootRow) return App().rootName;
    if (row == kNoRow) return L"";
    return App().channels[size_t(row - 1)].name;
}

void Paint(HWND tree) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(tree, &ps);
    RECT client;
    GetClientRect(tree, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldFont = SelectObject(dc, App().font ? App().font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);

    RECT root{0, 0, client.right, kRootRowHeight};
    HBRUSH band = CreateSolidBrush(RGB(220, 232, 250));
    FillRect(dc, &root, band);
    DeleteObject(band);
    root.left = 8;
    std::wstring rootText = L"▼ " + App().rootName;
    DrawTextW(dc, rootText.c_str(), -1, &root, DT_SINGLELINE | DT_VCENTER);

    for (size_t i = 0; i < App().channels.size(); ++i) {
        const Channel& channel = App().channels[i];
        RECT row{kIndent, kRootRowHeight + int(i) * kRowHeight, client.right, kRootRowHeight + int(i + 1) * kRowHeight};
        std::wstring text = L"• " + channel.name + (channel.password.empty() ? L"" : L"  (有密码)");
        DrawTextW(dc, text.c_str(), -1, &row, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    SelectObject(dc, oldFont);
    EndPaint(tree, &ps);
}

void OpenMenu(HWND tree) {
    int row = pendingRow;
    POINT screen = pendingPoint;
    ClientToScreen(tree, &screen);

    HMENU menu = CreatePopupMenu();
    for (UINT i = 0; i < std::size(kMenuItems); ++i) AppendMenuW(menu, MF_OWNERDRAW, i + 1, kMenuItems[i]);
    LogEvent("menu", {Text("row", RowName(row)), Number("x", pendingPoint.x), Number("y", pendingPoint.y)});
    // A menu of a window that is not in front does not close when the user clicks elsewhere.
    SetForegroundWindow(App().main);
    UINT command = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                                       screen.x, screen.y, 0, tree, nullptr));
    PostMessageW(tree, WM_NULL, 0, 0);
    DestroyMenu(menu);
    LogEvent("menu-choice", {Text("item", command ? kMenuItems[command - 1] : L""), Text("row", RowName(row))});

    if (command == kCreateItem) OpenCreateDialog();
    if (command == kDeleteItem && row != kRootRow && row != kNoRow) OpenConfirmation(RowName(row));
}

LRESULT CALLBACK TreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
    SpyMessage(L"tree", message, wParam, lParam);
    switch (message) {
        case WM_PAINT: Paint(tree); return 0;
        case WM_RBUTTONDOWN: return 0;
        case WM_RBUTTONUP:
            // Not passed on: DefWindowProc would make a WM_CONTEXTMENU of its own, and the tool
            // posts one too. The menu opens once, here, for the row under the released button.
            pendingPoint = {short(LOWORD(lParam)), short(HIWORD(lParam))};
            pendingRow = RowAt(pendingPoint.y);
            if (App().options.menuDelayMs)
                SetTimer(tree, kMenuDelayTimer, App().options.menuDelayMs, nullptr);
            else
                PostMessageW(tree, kOpenMenuMessage, 0, 0);
            return 0;
        case WM_CONTEXTMENU: return 0;
        case WM_TIMER:
            if (wParam != kMenuDelayTimer) break;
            KillTimer(tree, kMenuDelayTimer);
            OpenMenu(tree);
            return 0;
        case kOpenMenuMessage: OpenMenu(tree); return 0;
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            item->itemHeight = kMenuItemHeight;
            item->itemWidth = kMenuItemWidth;
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            bool selected = item->itemState & ODS_SELECTED;
            FillRect(item->hDC, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
            SetTextColor(item->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
            SetBkMode(item->hDC, TRANSPARENT);
            HGDIOBJ oldFont = SelectObject(item->hDC, App().font ? App().font : GetStockObject(DEFAULT_GUI_FONT));
            RECT text = item->rcItem;
            text.left += 12;
            DrawTextW(item->hDC, kMenuItems[item->itemID - 1], -1, &text, DT_SINGLELINE | DT_VCENTER);
            SelectObject(item->hDC, oldFont);
            return TRUE;
        }
        default: break;
    }
    return DefWindowProcW(tree, message, wParam, lParam);
}

}  // namespace

void RegisterTreeClass() {
    WNDCLASSW tree{};
    tree.lpfnWndProc = TreeProc;
    tree.hInstance = App().instance;
    tree.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    tree.lpszClassName = L"StandinChannelTree";
    RegisterClassW(&tree);
}

HWND CreateTree(HWND parent) {
    RECT area;
    GetClientRect(parent, &area);
    App().tree = CreateWindowExW(WS_EX_CLIENTEDGE, L"StandinChannelTree", L"", WS_CHILD | WS_VISIBLE, 0, 0, area.right,
                                 area.bottom, parent, reinterpret_cast<HMENU>(INT_PTR{kTreeId}), App().instance, nullptr);
    return App().tree;
}

void RefreshTree() {
    if (App().tree) InvalidateRect(App().tree, nullptr, TRUE);
}

}  // namespace standin
