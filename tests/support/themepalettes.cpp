#include "themepalettes.h"

#include <utility>

namespace {

QPalette paletteOf(std::initializer_list<std::pair<QPalette::ColorRole, QRgb>> colours)
{
    QPalette palette;
    for (const auto &[role, rgb] : colours)
        palette.setColor(role, QColor(rgb));
    return palette;
}

} // namespace

QList<ThemePalette> darkPalettes()
{
    // Each as the theme hands it over, read from a program started under it.
    return {
        {QStringLiteral("qt6ct darker"), paletteOf({{QPalette::WindowText, 0xffffff},
                                                    {QPalette::Button, 0x424245},
                                                    {QPalette::Light, 0x979797},
                                                    {QPalette::Midlight, 0x5e5c5b},
                                                    {QPalette::Dark, 0x302f2e},
                                                    {QPalette::Mid, 0x4a4947},
                                                    {QPalette::Text, 0xffffff},
                                                    {QPalette::BrightText, 0xffffff},
                                                    {QPalette::ButtonText, 0xffffff},
                                                    {QPalette::Base, 0x3d3d3d},
                                                    {QPalette::Window, 0x222020},
                                                    {QPalette::Shadow, 0xe7e4e0},
                                                    {QPalette::Highlight, 0x12608a},
                                                    {QPalette::HighlightedText, 0xf9f9f9},
                                                    {QPalette::Link, 0x0986d3},
                                                    {QPalette::AlternateBase, 0x5c5b5a},
                                                    {QPalette::ToolTipBase, 0x3f3f36},
                                                    {QPalette::ToolTipText, 0xffffff}})},
        {QStringLiteral("GTK Adwaita dark"), paletteOf({{QPalette::WindowText, 0xf0f0f0},
                                                        {QPalette::Button, 0x323232},
                                                        {QPalette::Light, 0x4b4b4b},
                                                        {QPalette::Midlight, 0x2a2a2a},
                                                        {QPalette::Dark, 0x212121},
                                                        {QPalette::Mid, 0x262626},
                                                        {QPalette::Text, 0xf0f0f0},
                                                        {QPalette::BrightText, 0x4b4b4b},
                                                        {QPalette::ButtonText, 0xf0f0f0},
                                                        {QPalette::Base, 0x242424},
                                                        {QPalette::Window, 0x323232},
                                                        {QPalette::Shadow, 0x191919},
                                                        {QPalette::Highlight, 0x308cc6},
                                                        {QPalette::HighlightedText, 0xf0f0f0},
                                                        {QPalette::Link, 0x308cc6},
                                                        {QPalette::AlternateBase, 0x2b2b2b},
                                                        {QPalette::PlaceholderText, 0xf0f0f0}})},
    };
}
