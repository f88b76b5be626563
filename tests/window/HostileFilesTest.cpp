#include "HostileFilesTest.h"

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>

#include "GameFixture.h"

namespace {

// A round of OTTER with one right guess and one miss, then the player opens path.
class MidRound : public GameFixture {
public:
    MidRound() {
        writeDefault("Test\nOTTER\n");
        start();
        click('T');
        click('Z');
    }

    void open(const std::string& path) {
        host.answers.push_back(path);
        form().findChild<QAction*>("mnuOH")->trigger();
    }

    // Checks that path was refused for reason and that nothing of the round has changed.
    void expectRefused(const std::string& path, const std::string& reason) {
        host.messages.clear();
        open(path);
        QCOMPARE(host.messages,
                 (std::vector<FakeHost::Message>{
                     {"The word file " + path + " cannot be used: " + reason + ".", "Scaffle!"}}));
        QCOMPARE(form().windowTitle(), "Scaffle! Category: Test");
        QCOMPARE(labelText("Label1"), "_ T T _ _");
        QCOMPARE(state().missesLeft, 8);
        QCOMPARE(visibleLetters(), 24);
        QCOMPARE(shownPieces(), (std::vector<int>{1, 10, 11, 12}));
        QCOMPARE(state().wordFilePath, "C:/scaffle.scf");
    }

    std::string in(const char* name) const { return (folder.path() / name).string(); }
};

}  // namespace

void HostileFilesTest::filesThatAreNoWordFileAreRefusedWithTheirReason() {
    MidRound round;
    round.expectRefused(round.folder.path().string(), "it is a folder, not a file");
    round.expectRefused(round.in("missing.scf"), "it does not exist");

    const std::string pipe = round.in("pipe");
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    round.expectRefused(pipe, "it is not a regular file");
    round.expectRefused("/dev/zero", "it is not a regular file");
    round.expectRefused("/dev/urandom", "it is not a regular file");

    const std::string socketPath = round.in("socket");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    round.expectRefused(socketPath, "it is not a regular file");
    ::close(fd);

    const std::string loop = round.in("loop");
    std::filesystem::create_symlink(loop, loop);
    round.expectRefused(loop, "it cannot be opened: Too many levels of symbolic links");

    // Refused by its size alone: the sparse file is never read.
    const std::string huge = round.folder.write("huge.scf", "Huge\nWORD\n");
    std::filesystem::resize_file(huge, std::uintmax_t{256} * 1024 * 1024 + 1);
    round.expectRefused(huge, "it is larger than 256 MiB");

    round.expectRefused(
        round.folder.write("binary.scf", std::string("Bin\0ary\n\x01\x02OX\0\n", 14)),
        "it is not a text file");
}

void HostileFilesTest::wordFilesWithoutAWordAreRefused() {
    MidRound round;
    round.expectRefused(round.folder.write("empty.scf", ""), "it is empty");
    round.expectRefused(round.folder.write("bom.scf", "\xEF\xBB\xBF"), "it is empty");
    round.expectRefused(round.folder.write("category.scf", "Birds\r\n"),
                        "it holds a category but no word");
    round.expectRefused(round.folder.write("blanks.scf", "Birds\r\n\r\n  ,,\"\"\r\n\r\n"),
                        "it holds a category but no word");
    round.expectRefused(round.folder.write("lines.scf", "Birds" + std::string(1'000'000, '\n')),
                        "it holds a category but no word");
}

void HostileFilesTest::anUnreadableFileIsRefused() {
    MidRound round;
    const std::string path = round.folder.write("secret.scf", "Birds\nWREN\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    // Root reads anything; as nobody, for file access alone, it cannot.
    const bool root = ::geteuid() == 0;
    if (root) {
        ::setfsuid(65534);
    }
    const int probe = ::open(path.c_str(), O_RDONLY);
    if (probe >= 0) {
        ::close(probe);
        if (root) {
            ::setfsuid(0);
        }
        QSKIP("this process can read a file without read permission");
    }
    round.expectRefused(path, "it cannot be opened: Permission denied");
    if (root) {
        ::setfsuid(0);
    }
}

void HostileFilesTest::oddButReadableFilesGiveAPlayableRound_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("maskedWord");
    QTest::newRow("Latin-1") << QByteArray("Caf\xE9\nCR\xC8ME\n") << "Scaffle! Category: Café"
                             << "_ _ _ _ _";
    QTest::newRow("quote never closed")
        << QByteArray("Cats\n\"LION,\nTIGER") << "Scaffle! Category: Cats"
        << "_ _ _ _ _ _ _ _ _ _ _";
    QTest::newRow("CR line ends") << QByteArray("Cats\rLION\rTIGER\r") << "Scaffle! Category: Cats"
                                  << "_ _ _ _";
    QByteArray longLine = "Long,";
    for (int i = 0; i < 1'200'000; ++i) {
        longLine += "ABCDEFGH,";
    }
    QTest::newRow("10 MB on one line") << longLine << "Scaffle! Category: Long"
                                       << "_ _ _ _ _ _ _ _";
    QTest::newRow("a million empty lines") << "Blank" + QByteArray(1'000'000, '\n') + "WORD\n"
                                           << "Scaffle! Category: Blank"
                                           << "_ _ _ _";
}

void HostileFilesTest::oddButReadableFilesGiveAPlayableRound() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, caption);
    QFETCH(QString, maskedWord);
    MidRound round;
    round.open(round.folder.write("odd.scf", bytes.toStdString()));
    QVERIFY(round.host.messages.empty());
    QCOMPARE(round.form().windowTitle(), caption);
    QCOMPARE(round.labelText("Label1"), maskedWord);
    QCOMPARE(round.visibleLetters(), 26);
    QCOMPARE(round.state().missesLeft, 9);
}

void HostileFilesTest::aHugeWordCanBePlayedToAWin() {
    MidRound round;
    std::string word;
    for (int i = 0; i < 50'000; ++i) {
        word += "AB";
    }
    round.open(round.folder.write("huge-word.scf", "Huge\n" + word + "\n"));
    QCOMPARE(round.labelText("Label1").size(), 199'999);
    round.click('A');
    QVERIFY(round.labelText("Label1").startsWith("A _ A _"));
    round.form().grab();  // the label paints what fits of it
    round.click('B');
    QCOMPARE(round.host.messages.back().title, "Winner!");
}
