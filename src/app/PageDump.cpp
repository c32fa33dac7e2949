#include "app/PageDump.h"

#include "app/JsonWriter.h"
#include "render/PageRecorder.h"

namespace zentyra {

namespace {

void WriteRect(JsonWriter& json, const PageRect& r) {
    json.beginArray();
    json.value(r.left);
    json.value(r.top);
    json.value(r.right);
    json.value(r.bottom);
    json.endArray();
}

void WritePoint(JsonWriter& json, const PagePoint& p) {
    json.beginArray();
    json.value(p.x);
    json.value(p.y);
    json.endArray();
}

const char* AlignName(HAlign a) {
    switch (a) {
    case HAlign::Left:
        return "left";
    case HAlign::Centre:
        return "centre";
    case HAlign::Right:
        return "right";
    }
    return "left";
}

const char* AlignName(VAlign a) {
    switch (a) {
    case VAlign::Top:
        return "top";
    case VAlign::Baseline:
        return "baseline";
    case VAlign::Bottom:
        return "bottom";
    }
    return "top";
}

struct OpWriter {
    JsonWriter& json;

    void operator()(const TextOp& op) const {
        json.member("op", "text");
        json.member("x", op.at.x);
        json.member("y", op.at.y);
        json.member("text", op.text);
        json.member("font", SpecOf(op.font).name);
        json.member("halign", AlignName(op.align.horizontal));
        json.member("valign", AlignName(op.align.vertical));
        json.key("clip");
        if (op.clip)
            WriteRect(json, *op.clip);
        else
            json.null();
        json.key("colour");
        json.beginArray();
        json.value(op.colour.red);
        json.value(op.colour.green);
        json.value(op.colour.blue);
        json.endArray();
    }
    void operator()(const LineOp& op) const {
        json.member("op", "line");
        json.key("from");
        WritePoint(json, op.from);
        json.key("to");
        WritePoint(json, op.to);
    }
    void operator()(const PictureOp& op) const {
        json.member("op", "image");
        json.member("file", op.file);
        json.key("box");
        WriteRect(json, op.box);
        json.key("rect");
        WriteRect(json, op.rect);
        json.member("kind", op.kind == PictureKind::Metafile ? "metafile" : "bitmap");
    }
};

} // namespace

std::string PageDumpJson(const PageRecorder& recorder) {
    JsonWriter json;
    json.beginObject();
    json.key("pageRect");
    WriteRect(json, recorder.pageRect);
    json.member("firstPage", recorder.firstPage);
    json.key("printOrder");
    json.beginArray();
    for (int n : recorder.PrintOrder())
        json.value(n);
    json.endArray();
    json.key("pages");
    json.beginArray();
    int number = 0;
    for (const RecordedPage& page : recorder.pages()) {
        json.beginObject();
        json.member("number", ++number);
        json.key("ops");
        json.beginArray();
        for (const PageOp& op : page.ops) {
            json.beginObject();
            std::visit(OpWriter{json}, op);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

} // namespace zentyra
