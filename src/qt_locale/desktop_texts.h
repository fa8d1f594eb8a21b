#pragma once
// The desktop layer's own texts: the chart windows' File menu, the file dialogs, the printout's page line and the help
// window's title. They are translated in the "Desktop" context of the program's translation files (Qt's
// QCoreApplication::translate); tarvolin-texts lists them for the files. No Qt here.
namespace tv {

inline constexpr const char* kDesktopContext = "Desktop";
inline constexpr const char* kDesktopTexts[] = {
    "&File",
    "Save as &PNG...",
    "Save as S&VG...",
    "&Copy",
    "&Print...",
    "&Close",
    "PNG pictures (*.png)",
    "SVG pictures (*.svg)",
    "PDF files (*.pdf)",
    "CSV files (*.csv);;All files (*)",
    "Save As",
    "Save as PDF",
    "Page %1 of %2",
    "%1 Help",
};

}  // namespace tv
