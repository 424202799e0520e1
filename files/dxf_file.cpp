// DXF through dxflib. dxflib writes only to a named file; it writes into an anonymous
// memory file, which is read back whole and checked to be complete before the target is
// replaced, so that a failure leaves no partial drawing anywhere.
#include "files/dxf_file.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <numbers>

#include "calc/drawing/title_block.h"
#include "calc/results_ready.h"
#include "files/cp932.h"

namespace {

constexpr int kByLayer = 256;
constexpr int kLineweightByLayer = -1;
const char* const kStyle = "Standard";
const char* const kFontFile = "msgothic.ttc";
const char* const kFontFamily = "MS Gothic";

std::string LayerName(CadLayer layer) {
    for (const CadLayerStyle& style : CadLayerStyles())
        if (style.layer == layer) return ToCp932(style.name);
    return "0";
}

// A text as a line of the file holds it: control characters are left out (a line break
// would end the value and shift every line after it), and a character without a CP932 form,
// as a file may be named with, is written as "?".
std::string DxfText(const std::string& utf8) {
    std::string kept;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) continue;
        // U+0080 to U+009F, the second set of controls.
        const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                        (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0x80;
        if (c1) {
            ++i;
            continue;
        }
        kept += utf8[i];
    }
    return ToCp932Replacing(kept);
}

DL_Attributes Attributes(CadLayer layer, bool dashed = false) {
    return DL_Attributes(LayerName(layer), kByLayer, kLineweightByLayer,
                         dashed ? kDashed : "BYLAYER", 1.0);
}

class DxfWriter {
  public:
    DxfWriter(DL_Dxf& dxf, DL_WriterA& w) : dxf_(dxf), w_(w) {}

    void Write(const CadDrawing& drawing) {
        Header(drawing);
        Tables();
        Blocks();
        w_.sectionEntities();
        for (const CadPolyline& p : drawing.polylines) Polyline(p);
        for (const CadLine& l : drawing.lines)
            dxf_.writeLine(w_, DL_LineData(l.from.x, l.from.y, 0, l.to.x, l.to.y, 0),
                           Attributes(l.layer, l.dashed));
        for (const CadArc& a : drawing.arcs)
            dxf_.writeArc(w_,
                          DL_ArcData(a.centre.x, a.centre.y, 0, a.radius, a.startAngle, a.endAngle),
                          Attributes(a.layer));
        for (const CadText& t : drawing.texts) Text(t);
        w_.sectionEnd();
        dxf_.writeObjects(w_);
        dxf_.writeObjectsEnd(w_);
        w_.dxfEOF();
    }

  private:
    void Header(const CadDrawing& drawing) {
        dxf_.writeHeader(w_);
        w_.dxfString(9, "$DWGCODEPAGE");
        w_.dxfString(3, "ANSI_932");
        w_.dxfString(9, "$INSUNITS");
        w_.dxfInt(70, 4);  // millimetres
        w_.dxfString(9, "$MEASUREMENT");
        w_.dxfInt(70, 1);  // metric
        w_.dxfString(9, "$LTSCALE");
        w_.dxfReal(40, drawing.linetypeScale);
        w_.sectionEnd();
    }

    void Tables() {
        w_.sectionTables();
        dxf_.writeVPort(w_);

        w_.tableLinetypes(4);
        dxf_.writeLinetype(w_, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
        dxf_.writeLinetype(w_, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
        dxf_.writeLinetype(w_, DL_LinetypeData(kContinuous, "Solid line", 0, 0, 0.0));
        double dashes[2] = {kDashPattern[0], kDashPattern[1]};
        dxf_.writeLinetype(w_, DL_LinetypeData(kDashed, "Dashed __ __ __", 0, 2,
                                               kDashPattern[0] - kDashPattern[1], dashes));
        w_.tableEnd();

        const auto& styles = CadLayerStyles();
        w_.tableLayers(static_cast<int>(styles.size()) + 1);
        dxf_.writeLayer(w_, DL_LayerData("0", 0),
                        DL_Attributes("", 7, kLineweightByLayer, kContinuous, 1.0));
        for (const CadLayerStyle& style : styles)
            dxf_.writeLayer(w_, DL_LayerData(ToCp932(style.name), 0),
                            DL_Attributes("", style.colour, style.lineweight, style.linetype, 1.0));
        w_.tableEnd();

        w_.tableStyle(1);
        TextStyle();
        w_.tableEnd();

        dxf_.writeView(w_);
        dxf_.writeUcs(w_);
        w_.tableAppid(1);
        dxf_.writeAppid(w_, "ACAD");
        w_.tableEnd();
        dxf_.writeDimStyle(w_, 2.5, 1.25, 0.625, 0.625, 2.5);
        dxf_.writeBlockRecord(w_);
        w_.tableEnd();
        w_.sectionEnd();
    }

    // The one text style: a Japanese Gothic TrueType face, by its file (group 3) and by its
    // family name (the extended data CAD programs read a TrueType face from). dxflib would put
    // the file where the family belongs and leave the file empty.
    void TextStyle() {
        w_.dxfString(0, "STYLE");
        w_.handle();
        w_.dxfString(100, "AcDbSymbolTableRecord");
        w_.dxfString(100, "AcDbTextStyleTableRecord");
        w_.dxfString(2, kStyle);
        w_.dxfInt(70, 0);
        w_.dxfReal(40, 0.0);  // no fixed height: each text has its own
        w_.dxfReal(41, 1.0);
        w_.dxfReal(50, 0.0);
        w_.dxfInt(71, 0);
        w_.dxfReal(42, 2.5);
        w_.dxfString(3, kFontFile);
        w_.dxfString(4, "");
        w_.dxfString(1001, "ACAD");
        w_.dxfString(1000, kFontFamily);
        w_.dxfInt(1071, 0);  // neither bold nor italic
    }

    void Blocks() {
        w_.sectionBlocks();
        for (const char* space : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            dxf_.writeBlock(w_, DL_BlockData(space, 0, 0.0, 0.0, 0.0));
            dxf_.writeEndBlock(w_, space);
        }
        w_.sectionEnd();
    }

    void Polyline(const CadPolyline& p) {
        dxf_.writePolyline(
            w_, DL_PolylineData(static_cast<int>(p.points.size()), 0, 0, p.closed ? 1 : 0),
            Attributes(p.layer, p.dashed));
        for (const CadPoint& point : p.points)
            dxf_.writeVertex(w_, DL_VertexData(point.x, point.y, 0, 0));
        dxf_.writePolylineEnd(w_);
    }

    void Text(const CadText& t) {
        const int h = t.hAlign == HAlign::Left ? 0 : t.hAlign == HAlign::Centre ? 1 : 2;
        const int v = static_cast<int>(t.vAlign);
        // dxflib takes the text's angle in radians.
        const double angle = t.angle * std::numbers::pi / 180;
        dxf_.writeText(w_,
                       DL_TextData(t.at.x, t.at.y, 0, t.at.x, t.at.y, 0, t.height, 1.0, 0, h, v,
                                   DxfText(t.text), kStyle, angle),
                       Attributes(t.layer));
    }

    DL_Dxf& dxf_;
    DL_WriterA& w_;
};

FileResult Failed(const char* what, int error) {
    return FileResult::Failure(FileStatus::FileError, std::string("図面を作れません。") + what +
                                                          "（" + std::strerror(error) + "）");
}

// Everything in the memory file, from its start.
bool ReadAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
}

}  // namespace

FileResult DxfBytes(const CadDrawing& drawing, std::string& bytes) {
    const int fd = memfd_create("dolmeta-dxf", MFD_CLOEXEC);
    if (fd < 0) return Failed("一時領域がありません。", errno);
    const std::string name = "/proc/self/fd/" + std::to_string(fd);
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> writer(dxf.out(name.c_str(), DL_Codes::AC1015));
    if (!writer) {
        const int error = errno;
        close(fd);
        return Failed("一時領域を開けません。", error);
    }
    try {
        DxfWriter(dxf, *writer).Write(drawing);
    } catch (const EncodingError& error) {
        close(fd);
        return FileResult::Failure(FileStatus::EncodingError, error.what());
    }
    writer->close();
    std::string written;
    const bool read = ReadAll(fd, written);
    const int error = errno;
    close(fd);
    if (!read) return Failed("一時領域を読めません。", error);
    // The writer reports no error of its own: a drawing cut short lacks its end mark.
    if (!written.ends_with("\nEOF\n"))
        return FileResult::Failure(FileStatus::FileError,
                                   "図面を作れません。一時領域への書き込みが途中で止まりました。");
    bytes = std::move(written);
    return {};
}

FileResult WriteSectionDxf(FileCommit& commit, const std::string& path, const CalcTable& table,
                           const SheetTitle& title) {
    if (!table.completedRun || !table.drawing)
        return FileResult::Failure(FileStatus::FileError, kNoResultsMessage);
    std::string bytes;
    const FileResult made = DxfBytes(DrawingSheet(table, title), bytes);
    return made.ok() ? commit.Stage(path, bytes) : made;
}

FileResult WriteSectionDxf(const std::string& path, const CalcTable& table,
                           const SheetTitle& title) {
    FileCommit commit;
    return CommitWhenStaged(commit, WriteSectionDxf(commit, path, table, title));
}
