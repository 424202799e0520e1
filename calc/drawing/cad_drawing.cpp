// The layers of the drawings.
#include "calc/drawing/cad_drawing.h"

const std::vector<CadLayerStyle>& CadLayerStyles() {
    static const std::vector<CadLayerStyle> styles = {
        {CadLayer::Outline, "外形線", 7, 50, kContinuous},
        {CadLayer::Rebar, "鉄筋", 1, 35, kContinuous},
        {CadLayer::Dimension, "寸法", 3, 18, kContinuous},
        {CadLayer::Text, "文字", 2, 18, kContinuous},
        {CadLayer::Table, "表", 4, 25, kContinuous},
    };
    return styles;
}
