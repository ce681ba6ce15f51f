#pragma once

// The new game dialog's fixed geometry, in logical pixels. The dialog is
// 240 pixels wide; its client area is 272 pixels high in compact mode and
// 452 with every custom row shown, which only the custom group's height
// decides.
namespace DlgNewGameLayout {
constexpr int ClientWidth = 240;
constexpr int GroupLeft = 4;
constexpr int GroupWidth = ClientWidth - 2 * GroupLeft;
constexpr int GameGroupTop = 4, GameGroupHeight = 92;
constexpr int QuickGroupTop = 100, QuickGroupHeight = 58;
constexpr int CustomGroupTop = 162;
constexpr int CompactGroupHeight = 61, ExpandedGroupHeight = 241;
constexpr int BottomBarHeight = 49;
constexpr int CompactClientHeight = 272, ExpandedClientHeight = 452;
static_assert(CustomGroupTop + CompactGroupHeight + BottomBarHeight == CompactClientHeight);
static_assert(CustomGroupTop + ExpandedGroupHeight + BottomBarHeight == ExpandedClientHeight);

// The rows of the custom group: the size row is always shown; the shown
// rows of expanded mode fill the rest of the group.
constexpr int RowWidth = GroupWidth - 4;
// The group's title and frame take about this much above the stack.
constexpr int StackTopMargin = 20;
constexpr int SizeRowHeight = 40;
constexpr int SingleRowHeight = 30;
constexpr int DoubleRowHeight = 60;
static_assert(StackTopMargin + SizeRowHeight <= CompactGroupHeight);
static_assert(StackTopMargin + SizeRowHeight + 2 * SingleRowHeight + 2 * DoubleRowHeight <=
              ExpandedGroupHeight);
}  // namespace DlgNewGameLayout
