#include "setupctrls/supporter_texts.h"

namespace setupctrls {

namespace {
const char* const kCrLf = "\r\n";
}

std::string HelpText(const THelpTextSettings& s) {
    std::string t;
    t += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
         "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
         "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0";
    t += kCrLf;
    t += "{\\b ";
    t += s.companyName + " " + s.cardName + (s.series ? " Series" : "");
    t += " Settings Program}\\par\\par\\fs24";
    t += kCrLf;
    t += "This program will help you configure the option jumpers and settings associated with this product. "
         "You should have the product in-hand when first using this program.\\par\\par";
    t += kCrLf;
    t += "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par";
    t += kCrLf;
    t += "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional "
         "features of the product family.\\par\\par";
    t += kCrLf;
    t += "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually controlling "
         "the hardware device. Run this settings program again once the card is installed. ";
    t += "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
         "{\\cf3 calibration circles}.\\par\\par";
    t += kCrLf;
    t += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
         "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. ";
    t += "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par";
    t += kCrLf;
    if (s.multiPort) {
        t += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration options "
             "for each port are handled identically; ";
        t += "this program only shows the setup once, but you need to perform this setup for each group of options "
             "on your device.\\par\\par";
        t += kCrLf;
    }
    if (s.cardList) {
        t += "To see a list of " + s.cardName + " cards installed, click \"Display " + s.cardName +
             " Cards Installed\" under the File menu.\\par\\par";
        t += kCrLf;
    }
    t += "}";
    return t;
}

std::string SupportText(const std::string& companyName, const std::string& callHow) {
    return "There are several ways to get technical support. First and fastest is to skim the relevant sections of "
           "the manual. However, some questions require personal assistance, and " +
           companyName + " stands ready to provide that help. You can call us " + callHow +
           " for any of your product questions." + kCrLf + kCrLf +
           "In order to provide the best and fastest support possible, we ask that you be at your computer when you "
           "call, and have the " +
           companyName + " product manual and Vantrell CD at hand.";
}

}  // namespace setupctrls
