// Messages for values that cannot be computed.
#include "calc/float_errors.h"

std::string UncomputableValueMessage(const std::string& what) {
    return "計算できない値があります（" + what + "）。入力を確認して下さい。";
}

std::string UncomputableStageMessage(const std::string& stage) {
    return stage + "で計算できない値があります。入力を確認して下さい。";
}
