#include "app/language_texts.h"

#include <array>

#include "res/resource.h"

namespace app {

namespace {

constexpr int kCancel = 2;  // IDCANCEL

constexpr std::array<LanguageText, 28> kTexts{{
    {IDC_DEFAULTS, "Standard", "Default"},
    {ID_HELP, "Hilfe", "Help"},
    {kCancel, "Abbrechen", "Cancel"},
    {IDC_MANUAL, "Handbuch", "Manual"},
    {IDC_SETTINGS_OK, "OK", "OK"},
    {IDC_SELECT_PRINTER, "Drucker auswählen", "Select Printer"},
    {IDC_ONLINE_UPDATE, "Treiber Online-Update", "Driver Online-Update"},
    {IDC_SECURE_FEED, "Secure Feed ein", "Secure feed on"},
    {IDC_OUTPUT_BACK, "hinten", "Back"},
    {IDC_OUTPUT_FRONT, "vorne", "Front"},
    {IDC_SENSOR_OFF, "aus", "off"},
    {IDC_INKBACKUP_ON, "ein", "on"},
    {IDC_INKPOPUP_ENABLE, "aktivieren", "enable"},
    {IDC_PAPERFEED_GROUP, "Papiereinzug", "Paperfeed"},
    {IDC_PAPERDUMP_GROUP, "Papierausgabe", "Paperdump"},
    {IDC_EJECTION_GROUP, "Auswurf", "Ejection"},
    {IDC_DRYTIME_GROUP, "Trocknungszeit", "Dry Time"},
    {IDC_SECONDS_LABEL, "Sekunden", "seconds"},
    {IDC_MARGINS_GROUP, "Papierränder", "Alignment"},
    {IDC_TOP_LABEL, "oben Y", "top Y"},
    {IDC_LEFT_LABEL, "links X", "left X"},
    {IDC_SENSOR_GROUP, "Auto-Alignment-Sensor ausschalten", "Auto-alignment off"},
    {IDC_INKBACKUP_GROUP, "Tintenbackup-Modus erlauben", "Allow ink backup mode"},
    {IDC_STATUS_GROUP, "Momentaner Status", "Current Status"},
    {IDC_INK_GROUP, "Tintenfüllstand", "Ink Levels"},
    {IDC_CLEANING_GROUP, "Druckkopf-Reinigung", "Pen-Cleaning"},
    {IDC_REFRESH, "Ansicht aktualisieren", "Refresh Window"},
    {IDC_CALIBRATION_GROUP, "Druckkopf Kalibrierung", "Pen Calibration"},
}};

}  // namespace

std::span<const LanguageText> MainWindowLanguageTexts() { return kTexts; }

}  // namespace app
