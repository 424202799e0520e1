// The fixed formula lines of the section design: required steel and actual stresses.
#include "calc/section/section_formulas.h"

const std::vector<std::string>& RequiredSteelFormulas() {
    static const std::vector<std::string> lines = {
        "(a)必要鉄筋量の計算",
        "   鉄筋の曲げ引張応力度が許容値(σsa)に達する",
        "   場合の必要鉄筋量(As)は、次式で求まる。",
        "       σc       N",
        "      ----･s - -----",
        "        2       b･d",
        "  As=---------------･b･d",
        "           σsa",
        "  上式のσc、sは次式で与えられる。",
        "  σc^3+A･σc^2-B･σsa･σc-C･σsa^2=0",
        "        n･σc",
        "  s=------------",
        "     n･σc+σsa",
        "",
        "  ここに",
        "       3･σsa     3･N･(e+c)",
        "    A=-------- - -----------",
        "         2･n         b･d^2",
        "       6･N･(e+c)      3･N･(e+c)",
        "    B=---------- ; C=---------- ; e=M/N",
        "        n･b･d^2      n^2･b･d^2",
    };
    return lines;
}

const std::vector<std::string>& ActualStressFormulas() {
    static const std::vector<std::string> lines = {
        "(b)実応力度の計算",
        "   コンクリートの曲げ圧縮応力度(σc)及び",
        "   曲げ引張応力度(σs)は次式で求まる。",
        "                 N",
        "  σc=-------------------------",
        "       b･x     n･As      h",
        "      ----- - ------･(c+--- - x)",
        "        2        x       2",
        "       c+h/2-x",
        "  σs=---------･n･σc",
        "           x",
        "  なお、上式のxは次式で与えられる。",
        "                      6･n",
        "    x^3-3･(h/2-e)･x^2+---･As･(e+c)･x-C=0",
        "                       b",
        "    ここで",
        "        6･n        h",
        "      C=---･As･(c+---)･(e+c)",
        "         b         2",
        "  また、コンクリートのせん断応力度は",
        "         S",
        "    τ=-----",
        "        b･d",
    };
    return lines;
}
