#pragma once
// The sizes both editor windows share: twips (15 to a pixel) and the outer window heights of the
// full and the small layout, which hold the title bar and the borders above the client area.
namespace EditorWindow {

constexpr int TwipsPerPixel = 15;
constexpr int Px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

constexpr int OuterHeightFull = 9420;
constexpr int OuterHeightSmall = 7545;
constexpr int BorderHeight = 420;
constexpr int ClientHeight(bool small) { return (small ? OuterHeightSmall : OuterHeightFull) - BorderHeight; }

}  // namespace EditorWindow
