#pragma once
// The desktop layer's own texts: the chart windows' File menu, the file dialogs, the printout's page line, the help
// window's title, what the desktop says when a printer, a file or a program fails, and what a screen reader is told.
// They are translated in the "Desktop" context of the program's translation files (Qt's QCoreApplication::translate);
// tarvolin-texts lists them for the files. No Qt here.
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
    "(%1 to %2)",
    "%1 Help",
    "This computer has no printer, so nothing was printed.\n\nSave the same text as a PDF file instead?",
    "The PDF file could not be written:\n%1",
    "The file could not be written:\n%1",
    "The printer \"%1\" cannot be used, so nothing was printed.",
    "Printing on \"%1\" failed.",
    "The help document (%1) is not installed.",
    "No calculator program is installed. Install one of gnome-calculator, kcalc, galculator, qalculate-gtk or xcalc "
    "to use this command.",
    "The program \"%1\" could not be started: it is not installed on this computer.",
    "Minimum loan length (years)",
    "Maximum loan length (years)",
    "Minimum interest rate %",
    "Maximum interest rate %",
    "%1: %2 points, %3 to %4",
    "No data",
    "%1 over %2: %3",
};

// Texts whose words depend on a count: the English form for one, and the plural form the translations are kept
// under, each language's forms chosen by its rules.
struct DesktopPlural {
    const char* one;
    const char* other;
};
inline constexpr DesktopPlural kDesktopPlurals[] = {
    {"%n line", "%n lines"},
};

}  // namespace tv
