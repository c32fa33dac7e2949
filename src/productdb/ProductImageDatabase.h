#pragma once
// Pictures of luminaire products from the suite's product database, a Jet (.mdb) file read
// through libmdb. A product's first picture (media type 1, order 1) lies in its producer's
// folder beside the database file.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zentyra {

class ProductImageDatabase {
public:
    explicit ProductImageDatabase(std::string databasePath);

    // The picture of the product whose code and producer code match (without regard to case,
    // as Jet compares text), relative to the database folder: "PCode\FileName", or FileName
    // alone when the producer's code is empty; empty when there is none. When several rows
    // match, the last one wins. The file is read on the first lookup only: it does not change
    // while the program runs. A file that cannot be read is reported once, with the message
    // "Database Error: ...", and every lookup then answers empty.
    std::string Lookup(std::string_view code, std::string_view producerCode);

    const std::string& databasePath() const { return databasePath_; }

private:
    enum class State { NotRead, Ready, Failed };
    void Read();

    std::string databasePath_;
    State state_ = State::NotRead;
    // Folded code + NUL + folded producer code -> the answer.
    std::unordered_map<std::string, std::string> pictures_;
};

// Start-up: the database named by the settings' dbDir and dbName. A missing file is reported
// ("The database file: ... does not exist ...") and leaves no database, so every lookup
// answers empty. Setting up again replaces the database.
void SetUpProductImageDatabase();
void SetUpProductImageDatabase(std::string_view dbDir, std::string_view dbName);
void ReleaseProductImageDatabase();
// dbDir of the last set-up (empty before any); set even when the file is missing.
const std::string& ProductDatabaseFolder();

// The full path of the product's picture file, or empty; empty too when either code is
// empty or there is no database. The caller checks that the file exists.
std::string FindProductImage(std::string_view code, std::string_view producerCode);

} // namespace zentyra
