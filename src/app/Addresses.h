#pragma once
// The maker's details and the web addresses that the program opens, in one place.

// The product's web page: the main window's link, the about box and the currency window.
inline constexpr const char* kProductPage = "https://www.example.org/tarvel/";
// A page that converts currencies online, in Spanish.
inline constexpr const char* kCurrencyPage = "https://www.xe.com/es/currencyconverter/";
// The online checkout named in the customisation page.
inline constexpr const char* kPaymentPage = "https://www.example.org/tarvel/pago/";

inline constexpr const char* kMakerName = "Tarvel Software";
inline constexpr const char* kMakerEmail = "tarvel@example.org";
inline constexpr const char* kRightsYears = "© 2002";
// The welcome screen's sample hints: what a customised copy would link to.
inline constexpr const char* kSampleWebHint = "www.su-empresa.com";
inline constexpr const char* kSampleEmailHint = "ventas@su-empresa.com";
// The about box's credit for the old Andalusian measures, and where and when they were put
// together.
inline constexpr const char* kAndalusianCredit =
    "Medidas antiguas de Andalucía: equivalencias según las publica su fuente.";
inline constexpr const char* kAndalusianCreditPlace = "Sevilla, noviembre de 2002";
