// Banner, usage and help texts. The German texts are code page 850 bytes:
// 0x81 u-umlaut, 0x84 a-umlaut, 0x94 o-umlaut, 0xE1 sharp s. Each escape is
// closed by a literal break so that no following letter joins it.
#include "app/usage_text.h"

#include <cstdlib>

#include "platform/text_output.h"

namespace {

constexpr int USAGE_RULE_WIDTH = 50;

// The help body. The one line that names the program is built in pieces.
constexpr const char* HELP_BEFORE_EXAMPLE[] = {
    "",
    "--- Sofern nicht anders beschrieben, sind alle Zahlenwerte vom Typ double ---",
    "",
    "",
    "Koeffizientenliste:",
    "",
    "  Die Koeffizienten werden in absteigender Reihenfolge, jeweils durch ein",
    "  Leerzeichen getrennt, eingegeben:",
    "",
    "          k[x^n] k[x^(n-1)] k[x^(n-2)] ... k[x^(n-n)]",
    "",
    "     Beispiel: Der Aufruf f\x81"
    "r das Polynom  -x^3 +3*x^2 -3,5  lautet:",
};

constexpr const char* HELP_AFTER_EXAMPLE[] = {
    "",
    "Optionen:",
    "",
    "  Folgt auf eine Option ein Wert, wird dieser vom Optionszeichen durch ein",
    "  Leerzeichen getrennt. Jeder Zahlenwert, dem kein Optionszeichen vorangeht,",
    "  wird als Koeffizient gewertet.",
    "",
    "          /i <untere Intervallgrenze>,<obere Intervallgrenze>",
    "             Intervall, in dem nach Nullstellen, Extremwerten und Wendepunkten",
    "             gesucht wird.",
    "             Default: -10,10",
    "",
    "          /s <Schrittweite>",
    "             Schrittweite f\x81"
    "r die Suche. Der Wert ist ein Kompromiss zwischen",
    "             Sicherheit (wenn in einem Abschnitt zwei oder mehr Werte",
    "             auftreten, ist die Berechnung mit hoher Wahrscheinlichkeit nicht",
    "             korrekt) und Rechengeschwindigkeit.",
    "             Default: 0.00001",
    "",
    "          /f <Fortsetzungsabstand>",
    "             Legt fest, in welchem Abstand von einem gefundenen Punkt das",
    "             Programm die Suche fortsetzt. Ist der Wert zu gro\xE1"
    ", besteht die",
    "             Gefahr, dass der n\x84"
    "chste Punkt nicht gefunden wird, ist er zu",
    "             klein, wird der soeben gefundene Punkt m\x94"
    "glicherweise ein",
    "             zweites Mal angezeigt.",
    "             Default: 0.0000001",
    "",
    "          /w <Wertebereich>",
    "             Wenn die graphische Darstellung mit dem vom Programm berechneten",
    "             Wertebereich nicht zufriedenstellend ist, kann der gew\x81"
    "nschte",
    "             Wertebereich hier explizit angegeben werden.",
    "             Alternativ kann der Wertebereich w\x84"
    "hrend der Anzeige durch dr\x81"
    "cken",
    "             der Tasten \"+\" und \"-\" ge\x84"
    "ndert werden.",
    "             Default: automatisch",
    "",
    "          /g <Gr\x94"
    "\xE1"
    "e des Koordinatenkreuzes>   (in Pixeln)",
    "             Der Wert gilt sowohl f\x81"
    "r die H\x94"
    "he als auch f\x81"
    "r die Breite. Das",
    "             Koordinatensystem ist immer quadratisch.",
    "             Default: 800",
    "",
    "          /n Keine Grafik. Mit dieser Option wird die grafische Darstellung",
    "             abgeschaltet. Es werden lediglich die berechneten Punkte im",
    "             Konsolenfenster ausgegeben.",
    "",
    "          /1 Zus\x84"
    "tzliche grafische Darstellung der 1. Ableitung",
    "",
    "          /2 Zus\x84"
    "tzliche grafische Darstellung der 2. Ableitung",
    "",
    "          /3 Zus\x84"
    "tzliche grafische Darstellung der 3. Ableitung",
    "",
    "          /? Hilfe",
};

}  // namespace

std::string callNameFrom(std::string_view argument0) {
  size_t separator = argument0.find_last_of("/\\");
  if (separator == std::string_view::npos) return std::string(argument0);
  return std::string(argument0.substr(separator + 1));
}

void printBanner(std::string_view callName) {
  const std::string rule(USAGE_RULE_WIDTH, '-');
  printText("", true);
  printText(rule, true);
  printText("Polyvista   Version 1.1   Mai 2015", true);
  printText(rule, true);
  printText("", true);
  printText("Anwendung: ", false);
  printText(callName, false);
  printText(" <Koeffizientenliste> [optionen]", true);
  printText("", true);
}

void printUsageHint(std::string_view callName) {
  printText("           mehr Information mit ", false);
  printText(callName, false);
  printText(" /?", true);
  printText("", true);
}

void printHelp(std::string_view callName) {
  printBanner(callName);
  for (const char* line : HELP_BEFORE_EXAMPLE)
    printText(line, true);
  printText("               ", false);
  printText(callName, false);
  printText(" -1 3 0 -3.5", true);
  for (const char* line : HELP_AFTER_EXAMPLE)
    printText(line, true);
}

void exitWithUsage(std::string_view callName) {
  printBanner(callName);
  printUsageHint(callName);
  flushTextOutput();
  std::exit(0);
}
