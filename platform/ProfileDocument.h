#pragma once
// A file of sections and keys in memory (the rules are in platform/Profile.h), as lines of
// Windows-1255 bytes kept exactly as read, with an index built once per parse: the lines of each
// section, the first section of each name, and the first key line of each name in a section.
// Names are hashed and compared lower-cased in ASCII, as they match, so a lookup costs the same
// whatever the size of the file and every operation is at most linear in it.
#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>

namespace Profile {

class Document {
public:
    Document();

    // `lostAt`: ascending places in `bytes` of characters that had no code and became "?".
    static Document Parse(const QByteArray& bytes, const QList<qsizetype>& lostAt = {});
    QByteArray Serialize() const;

    std::optional<QByteArray> Value(const QByteArray& section, const QByteArray& key) const;
    // The key names of the section, in file order, each once (as first spelt).
    QList<QByteArray> Keys(const QByteArray& section) const;
    // The same keys, each with the value of its first line.
    QList<std::pair<QByteArray, QByteArray>> Entries(const QByteArray& section) const;
    // The section names, in file order, each once.
    QList<QByteArray> Sections() const;
    // The keys of the section whose first line, as parsed, held a character that had no code.
    QList<QByteArray> LostKeys(const QByteArray& section) const;

    // Replaces the value where it stands; a new key goes after the last key of its section, a
    // new section at the end of the file.
    void Set(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    // Removes the key's first line; false when there is none.
    bool Remove(const QByteArray& section, const QByteArray& key);

    // A name as the index holds it: a view of its bytes and their hash.
    struct Name {
        QByteArrayView bytes;
        size_t hash = 0;
        Name() = default;
        explicit Name(QByteArrayView b);
        bool operator==(const Name& o) const;
    };

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        // The line as in the file, without its line end: a view of the parsed bytes, or of
        // `own` for a line written since. Copies and moves of a line keep the bytes in place.
        QByteArrayView text;
        QByteArray own;
        Kind kind = Kind::Other;
        Name name;           // section or key name, blanks around it removed (a view into text)
        int valueFrom = 0;   // a key line's value starts here (after "=" and the blanks after it)
        bool first = false;  // the first section of its name, or the first key of its name here
        bool lost = false;   // as parsed, it held a character that had no code
        QByteArray value() const;
    };
    // A section: its header line and the lines up to the next header. The first block holds the
    // lines before the first header and has no header of its own. Up to a few keys a section is
    // searched line by line; a longer one gets its own index of names.
    struct Block {
        Line header;
        std::vector<Line> body;
        int lastKey = -1;      // index in body of the last key line
        bool indexed = false;  // more lines than a short section holds: `keys` finds the names
        QHash<Name, int> keys;  // name -> first key line of that name
    };

    static Line Classify(QByteArrayView text);
    static Line Classify(QByteArray text);
    // Adds a line at the end of the file, where its kind places it.
    void Append(Line line);
    // A line was put at body index `at` of block b (after its last key or at its end).
    void Added(int b, int at);
    // A change made a line a section header: the blocks and the index afresh from the lines.
    void Rebuild();
    // The block's key index, first flags and last key afresh from its lines.
    void ReindexBlock(int b);
    int FindBlock(const QByteArray& section) const;
    int FindKey(int block, const Name& key) const;

    QByteArray source_;  // the parsed bytes the lines view
    std::vector<Block> blocks_;
    QHash<Name, int> sections_;  // name -> first block of that name
};

inline size_t qHash(const Document::Name& n, size_t seed) { return n.hash ^ seed; }

}  // namespace Profile
