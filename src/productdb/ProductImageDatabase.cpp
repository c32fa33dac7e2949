#include "productdb/ProductImageDatabase.h"

#include "platform/CodePage.h"
#include "platform/Messages.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "settings/ReportSettings.h"

// mdbtools.h opens an extern "C" block around its own include of glib.h, which C++ refuses
// (glib declares templates); glib has to come first.
#include <glib.h>
#include <mdbtools.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zentyra {

namespace {

// Codes and results were held in 260-byte ANSI buffers.
constexpr std::size_t kAnsiTextBytes = 259;

// The codes the provider reported for these failures, so that a message reads as it did.
constexpr unsigned long kUnrecognisedDatabase = 0x80004005UL;
constexpr unsigned long kMissingTable = 0x80040E37UL;
constexpr unsigned long kMissingColumn = 0x80040E10UL;

struct DatabaseError {
    unsigned long code = 0;
    std::string meaning;
};

struct HandleCloser {
    void operator()(MdbHandle* handle) const { mdb_close(handle); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

using Rows = std::vector<std::vector<std::string>>;

// Jet compares text without regard to case; the letters of the ANSI code page fold here.
std::string Folded(std::string_view text) {
    return ToLower(text);
}

// What the query received: the text as the ANSI code page holds it, cut to its buffer.
std::string AsQueried(std::string_view text) {
    std::string ansi = FromUtf8(text);
    if (ansi.size() > kAnsiTextBytes) ansi.resize(kAnsiTextBytes);
    return ToUtf8(ansi);
}

std::string Key(std::string_view code, std::string_view producerCode) {
    return Folded(code) + '\0' + Folded(producerCode);
}

MdbCatalogEntry* FindTable(MdbHandle& mdb, const char* name) {
    if (!mdb.catalog) return nullptr;
    for (guint i = 0; i < mdb.catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb.catalog, i));
        if (entry && entry->object_type == MDB_TABLE &&
            g_ascii_strcasecmp(entry->object_name, name) == 0)
            return entry;
    }
    return nullptr;
}

// The named columns of every row, in the file's order. libmdb keeps one page buffer per
// handle, so tables are read one after the other, each to its end.
std::optional<DatabaseError> ReadTable(MdbHandle& mdb, const char* name,
                                       const std::vector<const char*>& columns, Rows& rows) {
    MdbCatalogEntry* entry = FindTable(mdb, name);
    if (!entry) {
        return DatabaseError{kMissingTable,
                             std::string("Cannot find the input table or query '") + name + "'."};
    }
    const DatabaseError damaged{kUnrecognisedDatabase,
                                std::string("The table '") + name + "' cannot be read."};
    Table table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get())) return damaged;
    // libmdb writes up to the handle's bind size into every bound buffer.
    std::vector<std::vector<char>> buffers(columns.size(), std::vector<char>(mdb.bind_size + 1));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (mdb_bind_column_by_name(table.get(), const_cast<gchar*>(columns[i]), buffers[i].data(),
                                    nullptr) < 0) {
            return DatabaseError{kMissingColumn,
                                 std::string("No value given for one or more required "
                                             "parameters (no column '") +
                                     columns[i] + "' in '" + name + "')."};
        }
    }
    mdb_rewind_table(table.get());
    std::size_t fetched = 0;
    while (mdb_fetch_row(table.get())) {
        std::vector<std::string>& row = rows.emplace_back();
        row.reserve(columns.size());
        for (const std::vector<char>& buffer : buffers)
            row.emplace_back(buffer.data());
        ++fetched;
    }
    // A file cut short loses data pages: the scan then ends early without saying so.
    if (fetched < table->num_rows) return damaged;
    return std::nullopt;
}

std::string DatabaseErrorText(const DatabaseError& error) {
    char code[16];
    std::snprintf(code, sizeof code, "%08lx", error.code);
    return std::string("Database Error:\nCode = ") + code + "\nmeaning=" + error.meaning + "\n";
}

struct ProductRow {
    std::string producer;
    std::string macroProduct;
    std::string code;
};

std::unique_ptr<ProductImageDatabase>& Instance() {
    static std::unique_ptr<ProductImageDatabase> instance;
    return instance;
}

std::string& Folder() {
    static std::string folder;
    return folder;
}

} // namespace

ProductImageDatabase::ProductImageDatabase(std::string databasePath)
    : databasePath_(std::move(databasePath)) {}

void ProductImageDatabase::Read() {
    state_ = State::Failed;
    const DatabaseError unrecognised{kUnrecognisedDatabase,
                                     "Unrecognized database format '" + databasePath_ + "'."};
    // libmdb converts Jet 4 text to the charset this names; ours is UTF-8 whatever the caller's
    // environment says. Without a file of this name it would also search MDBPATH.
    ::setenv("MDBICONV", "UTF-8", 1);
    if (!FileExists(databasePath_)) {
        ReportError(DatabaseErrorText(unrecognised));
        return;
    }
    Handle mdb(mdb_open(ResolveCaseInsensitive(databasePath_).c_str(), MDB_NOFLAGS));
    if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE)) {
        ReportError(DatabaseErrorText(unrecognised));
        return;
    }

    Rows producers;
    Rows products;
    Rows devices;
    Rows media;
    std::optional<DatabaseError> error =
        ReadTable(*mdb, "P_PRODUCERS", {"IDProducer", "PCode"}, producers);
    if (!error)
        error = ReadTable(*mdb, "P_PRODUCTS", {"IDProducer", "IDMacroProduct", "Cod"}, products);
    if (!error) error = ReadTable(*mdb, "P_DEVICES", {"IDMacroProduct"}, devices);
    if (!error) {
        error = ReadTable(*mdb, "M_Multi_MediaObjects",
                          {"IDMacroProduct", "IDMediaType", "IDOrder", "FileName"}, media);
    }
    if (error) {
        ReportError(DatabaseErrorText(*error));
        return;
    }

    // The join of the query, rows in the order of a nested scan (producers, products, devices,
    // pictures). Devices only repeat a product's rows, so the last row of a product is its last
    // first picture, and the last product of the last matching producer decides.
    std::unordered_map<std::string, int> deviceCount;
    for (const auto& row : devices)
        if (!row[0].empty()) ++deviceCount[row[0]];
    std::unordered_map<std::string, std::string> lastPicture;
    for (const auto& row : media)
        if (!row[0].empty() && row[1] == "1" && row[2] == "1") lastPicture[row[0]] = row[3];
    std::unordered_map<std::string, std::vector<ProductRow>> productsByProducer;
    for (const auto& row : products)
        if (!row[0].empty()) productsByProducer[row[0]].push_back({row[0], row[1], row[2]});

    for (const auto& producer : producers) {
        const auto found = productsByProducer.find(producer[0]);
        if (producer[0].empty() || found == productsByProducer.end()) continue;
        const std::string& pcode = producer[1];
        for (const ProductRow& product : found->second) {
            if (product.macroProduct.empty() || !deviceCount.count(product.macroProduct)) continue;
            const auto picture = lastPicture.find(product.macroProduct);
            if (picture == lastPicture.end()) continue;
            std::string answer = pcode;
            if (!answer.empty()) answer += '\\';
            answer += picture->second;
            pictures_[Key(product.code, pcode)] = TruncateToUtf16Units(answer, kAnsiTextBytes);
        }
    }
    state_ = State::Ready;
}

std::string ProductImageDatabase::Lookup(std::string_view code, std::string_view producerCode) {
    if (state_ == State::NotRead) Read();
    if (state_ != State::Ready) return {};
    const auto found = pictures_.find(Key(AsQueried(code), AsQueried(producerCode)));
    return found == pictures_.end() ? std::string() : found->second;
}

void SetUpProductImageDatabase() {
    const ReportSettings& settings = ReportSettings::instance();
    SetUpProductImageDatabase(settings.dbDir(), settings.dbName());
}

void SetUpProductImageDatabase(std::string_view dbDir, std::string_view dbName) {
    Instance().reset();
    Folder() = ToSlashes(dbDir);
    const std::string file = JoinPath(Folder(), ToSlashes(dbName));
    if (!FileExists(file)) {
        ReportError("The database file:\n" + file +
                    "\ndoes not exist\nNo product images will be printed.");
        return;
    }
    Instance() = std::make_unique<ProductImageDatabase>(file);
}

void ReleaseProductImageDatabase() {
    Instance().reset();
}

const std::string& ProductDatabaseFolder() {
    return Folder();
}

std::string FindProductImage(std::string_view code, std::string_view producerCode) {
    if (!Instance() || code.empty() || producerCode.empty()) return {};
    const std::string picture = Instance()->Lookup(code, producerCode);
    if (picture.empty()) return {};
    return ResolveCaseInsensitive(JoinPath(Folder(), ToSlashes(picture)));
}

} // namespace zentyra
