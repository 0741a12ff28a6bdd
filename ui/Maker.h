#pragma once

// Who made the utility and where to reach them. The main window and the About
// box both show these, so they are written once. The addresses lie under the
// reserved example.com domain.
namespace maker {

inline constexpr const char* kName = "Trimbelo";
inline constexpr const char* kAuthor = "Matěj Kvítek";
inline constexpr const char* kYears = "1999-2000";

// The end of the main window's caption.
inline constexpr const char* kCaptionCredit = "(c) 1999-2000 Trimbelo";
// The About box's credit line.
inline constexpr const char* kCreditLine = "Naprogramoval Matěj Kvítek, Trimbelo 1999";

// The author's own pages, which the main window and its memo invite to (the
// address fits the main window's link), and the maker's pages shown in the
// About box, with the addresses the links open.
inline constexpr const char* kWebText = "kvitek.example.com";
inline constexpr const char* kWebLink = "http://kvitek.example.com/";
inline constexpr const char* kPageText = "http://trimbelo.example.com";
inline constexpr const char* kPageLink = "http://trimbelo.example.com/kestrune/";

inline constexpr const char* kMailText = "kvitek@trimbelo.example.com";
inline constexpr const char* kMailLink =
    "mailto:kvitek@trimbelo.example.com?subject=Baldur's%20Gate%20Kestrune";

}  // namespace maker
