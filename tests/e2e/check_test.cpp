// End to end: the real rowcard-check binary, its exit statuses and report, and
// on random folders its forecast against what the real rowcard then does.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "check/check.hpp"
#include "e2e/fixture.hpp"

namespace rowcard {
namespace {

using testing::MISSING;
using testing::Rowcard;
namespace fs = std::filesystem;

// Returns the path of the rowcard-check binary, found as rowcard is.
std::string check_binary() {
#ifdef _WIN32
    return (fs::path(testing::rowcard_binary()).parent_path() / CHECK_BINARY).string();
#else
    return CHECK_BINARY;
#endif
}

// Returns every file under `folder` with its bytes, folders and links marked as such.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).generic_string();
        files[name] = entry.is_symlink()     ? "<link " + fs::read_symlink(entry.path()).string() + ">"
                      : entry.is_directory() ? "<folder>"
                                             : testing::read_file(entry.path());
    }
    return files;
}

class Check : public Rowcard {
protected:
    // Runs rowcard-check in the work folder with `arguments`; keeps what it
    // printed in `out` and `err` and returns its exit status.
    int check(const std::string& arguments = "") {
        const std::string out_file = (root / "check-out").string();
        const std::string err_file = (root / "check-err").string();
        const int status = testing::run_program(work, check_binary(), arguments, out_file, err_file);
        out = testing::read_file(out_file);
        err = testing::read_file(err_file);
        return status;
    }

    // Lays the bundled example with braced names; its one address with '_'
    // has a dot instead.
    void put_braced_example() {
        put("rowcard.ini", "import.csv\n;\n{Name}\n{Phone}%\n{Mailbox}\n{Company}\n{Remark}\n");
        put("master.vcf",
            "BEGIN:VCARD\nVERSION:3.0\nN:2{NAME};1{NAME};;;\nFN:{NAME}\nORG:{COMPANY}\n"
            "TEL;TYPE=CELL:{PHONE}%\nEMAIL;TYPE=INTERNET:{MAILBOX}\nNOTE:{REMARK}\nEND:VCARD\n");
        put("import.csv",
            "Jm\xE9no a p\xF8\xEDjmen\xED;Mobil;E-mail;Firma;Pozn\xE1mka\n"
            "Jan Nov\xE1k;+420 (777) 123-456;jan.novak@example.cz;Stavby Brno s.r.o.;\n"
            "Eva Dvo\xF8\xE1kov\xE1;+420 602 987 654;eva.dvorakova@example.cz;\xDA\xE8\x65tnictv\xED Plze\xF2;"
            "volat r\xE1no\n"
            "Petr \x8A\x9D\x61stn\xFD;;petr.stastny@example.cz;;bez mobilu\n"
            "Zuzana \xC8\x65rn\xE1;+420 731-555-010;z.cerna@example.cz;\x8Ei\x9Ekov Media;\n"
            "Ji\xF8\xED \xDAlehla;+420 739 000 321;jiri.ulehla@example.cz;Ostravsk\xE9 doly;\n");
    }

    std::string out;
    std::string err;
};

TEST_F(Check, ExitStatusesAndTheReport) {
    put_braced_example();
    EXPECT_EQ(check(), 0);
    EXPECT_EQ(err, "");
    EXPECT_NE(out.find("writes 4 cards to import.vcf, and exits 0"), std::string::npos) << out;
    EXPECT_NE(out.find("row 4: blank {PHONE}%"), std::string::npos) << out;
    EXPECT_EQ(out.find('\x1b'), std::string::npos);  // no colour off a terminal
#ifndef _WIN32
    // On a terminal there is colour, unless NO_COLOR is set.
    for (const std::string no_colour : {"", "NO_COLOR=1 "}) {
        const std::string terminal =
            "cd '" + work.string() + "' && " + no_colour + "script -qec '" + check_binary() + "' /dev/null";
        FILE* pipe = popen(terminal.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string shown;
        for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) shown += static_cast<char>(c);
        pclose(pipe);
        EXPECT_EQ(shown.find("\x1b[1mWhat rowcard would do\x1b[0m") != std::string::npos, no_colour.empty()) << shown;
    }
    EXPECT_EQ(check(), 0);
#endif

    EXPECT_EQ(check("--json"), 0);
    for (const char* key : {"\"settings\": {\"input\": \"import.csv\", \"output\": \"import.vcf\", \"separator\": \";\"",
                            "{\"position\": 2, \"name\": \"{PHONE}%\", \"mandatory\": true, \"config_line\": 4}",
                            "\"config_lines\": [{\"line\": 1, \"kind\": \"file-name\", \"text\": \"import.csv\"}",
                            "\"encoding\": \"cp1250\", \"rows\": 5, \"accepted\": 4",
                            "\"rejected\": [{\"row\": 4, \"columns\": [\"{PHONE}%\"]}]",
                            "{\"line\": 3, \"position\": 4, \"column\": \"{NAME}\", \"word\": 2}",
                            "\"cards\": 4, \"status\": 0, \"problems\": []}"}) {
        EXPECT_NE(out.find(key), std::string::npos) << key << "\n" << out;
    }

    put("master.vcf", "FN:{NAME}\nTEL;TYPE=CELL:{PHONE}% TEL\n");
    EXPECT_EQ(check(), 0) << "a name of no column is no problem";
    put("rowcard.ini", "import.csv\n;\nName\nTel\n");
    EXPECT_EQ(check("--json"), 1);
    EXPECT_NE(out.find("{\"code\": \"name-in-text\", \"file\": \"master.vcf\", \"line\": 2, \"row\": null, "
                       "\"column\": \"TEL\""),
              std::string::npos)
        << out;
    // A byte of code page 1250 reaches the JSON as the code point of its value, in UTF-8.
    put("rowcard.ini", "import.csv\n;\n{Name}\n# pozn\xE1mka\n");
    EXPECT_EQ(check("--json"), 1);
    EXPECT_NE(out.find("{\"line\": 4, \"kind\": \"column\", \"text\": \"# pozn\xC3\xA1mka\"}"), std::string::npos) << out;
    fs::remove(work / "import.csv");
    inputs.erase("import.csv");
    EXPECT_EQ(check(), 2);
    EXPECT_EQ(output(), MISSING) << "a forecast of a missing table made the output";
}

TEST_F(Check, BadUsageIsOneLineAndStatus64) {
    EXPECT_EQ(check("--colour"), 64);
    EXPECT_EQ(out, "");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("--colour"), std::string::npos);
    EXPECT_EQ(check("no-such-folder"), 64);
    EXPECT_NE(err.find("no-such-folder"), std::string::npos);
    EXPECT_EQ(check(". ."), 64);
    // Only '-' and one more byte make an option; '-' alone, or a plain word, is a folder.
    EXPECT_EQ(check("-"), 64);
    EXPECT_NE(err.find("there is no folder '-'"), std::string::npos) << err;
    EXPECT_EQ(check("xx"), 64);
    EXPECT_NE(err.find("there is no folder 'xx'"), std::string::npos) << err;
    EXPECT_EQ(check("--version"), 0);
    // Windows writes the console's line end as CR LF.
    EXPECT_TRUE(out == "rowcard-check 1.0.0\n" || out == "rowcard-check 1.0.0\r\n") << out;
    EXPECT_EQ(check("--help"), 0);
    EXPECT_NE(out.find("--json"), std::string::npos);
    // (Windows writes the console's line end as CR LF.)
    std::string help = out;
    help.erase(std::remove(help.begin(), help.end(), '\r'), help.end());
    EXPECT_NE(help.find("Exit status: 0 no problem, 1 problems found, 2 rowcard would fail, 64 bad usage,\n"
                        "74 this output could not be written (a full disk, say).\n"),
              std::string::npos)
        << out;
}

#ifndef _WIN32
// What never reached standard output is a failure, not a success: a full disk
// (/dev/full) or a closed descriptor gives the status 74 and one line on
// standard error, whether the output is short and held until the end or long
// enough to fail while it is written. Bad usage prints nothing there.
TEST_F(Check, OutputThatIsLostIsAFailure) {
    put_braced_example();
    const auto status_to = [this](const std::string& arguments, const std::string& out_to) {
        const std::string err_file = (root / "check-err").string();
        const std::string command = "cd '" + work.string() + "' && '" + check_binary() + "' " + arguments + " " +
                                    out_to + " 2>'" + err_file + "' </dev/null";
        const int raw = std::system(command.c_str());
        err = testing::read_file(err_file);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    const std::string lost = "rowcard-check: what it printed did not all reach standard output (a full disk?); "
                             "free some space, or send the output elsewhere\n";
    for (const std::string arguments : {"", "--json", "--help", "--version"}) {
        EXPECT_EQ(status_to(arguments, ">/dev/full"), 74) << arguments;
        EXPECT_EQ(err, lost) << arguments;
    }
    EXPECT_EQ(status_to("--json", ">&-"), 74);
    EXPECT_EQ(status_to("--colour", ">/dev/full"), 64);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    // A report of some hundred kilobytes fails while it is written, before the end.
    std::string table = "h\n";
    for (int row = 0; row < 5000; ++row) table += "Jan;;j@x.cz\n";
    put("import.csv", table);
    EXPECT_EQ(status_to("--json", ">/dev/full"), 74);
    EXPECT_EQ(err, lost);
    EXPECT_EQ(status_to("--json", ">/dev/null"), 0);
    EXPECT_EQ(err, "");
}
#endif

// The bytes of one random pick from `choices`.
template <std::size_t N>
std::string pick(std::mt19937& random, const char* const (&choices)[N]) {
    return choices[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

// Random folders: what rowcard-check forecasts (cards, status, output name) is
// what rowcard then does, and the forecast leaves the folder as it was.
TEST_F(Check, ForecastMatchesTheRealRunOnRandomFolders) {
    static const char* const CONFIG_LINES[] = {"import.csv", "data.csv", "master.csv", "sub/x.csv", ";", ",",
                                               "|", "{A}", "{B}%", "# note", "", "{C}%"};
    static const char* const FIELDS[] = {"x", "", " y", "a@b.c", "z z", "\"q", "1"};
    static const char* const SEPARATORS[] = {";", ",", "|"};
    // A link to /proc/self/mem opens but cannot be read: a read error.
    static const char* const STATES[] = {"file", "file", "file", "file", "missing", "folder", "unreadable"};
    std::mt19937 random(20261209);
    const auto count = [&random](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
    for (int round = 0; round < 60; ++round) {
        fs::remove_all(work);
        fs::create_directories(work / "sub");
        std::string ini;
        for (int i = count(5); i > 0; --i) ini += pick(random, CONFIG_LINES) + "\n";
        if (count(4) != 0) testing::write_file(work / "rowcard.ini", ini);
        conversion_settings settings;
        {
            const testing::working_folder inside(work);
            ASSERT_TRUE(read_config(settings));
        }
        const std::string table_name = settings.input_base + ".csv";
        const std::string output_name = settings.output_base + ".vcf";
        // Every line of the template is one card line, so cards can be counted.
        const std::string states[] = {pick(random, STATES), pick(random, STATES), pick(random, STATES)};
        std::string table;
        for (int i = count(5); i > 0; --i) {
            for (int k = count(3); k >= 0; --k) table += pick(random, FIELDS) + (k > 0 ? pick(random, SEPARATORS) : "");
            table += "\n";
        }
        const std::pair<std::string, std::string> laid[] = {
            {table_name, table}, {"master.vcf", "~{A}\n"}, {output_name, "old"}};
        for (std::size_t i = 0; i < 3; ++i) {
            if (fs::exists(work / laid[i].first)) continue;
            if (states[i] == "file") testing::write_file(work / laid[i].first, laid[i].second);
            if (states[i] == "folder") fs::create_directory(work / laid[i].first);
#ifndef _WIN32
            if (states[i] == "unreadable" && i < 2) fs::create_symlink("/proc/self/mem", work / laid[i].first);
#endif
        }

        const std::map<std::string, std::string> before = snapshot(work);
        check_report report;
        {
            const testing::working_folder inside(work);
            report = check_folder();
        }
        ASSERT_EQ(snapshot(work), before) << "round " << round;
        EXPECT_EQ(check("--json"), check_status(report)) << "round " << round;

        const int status = run();
        ASSERT_EQ(report.status, status) << "round " << round << "\n" << ini << "\n" << table;
        EXPECT_EQ(report.output_name, output_name);
        const std::string written =
            fs::is_regular_file(fs::symlink_status(work / output_name)) ? testing::read_file(work / output_name) : "";
        if (status == 0 || status == 3 || status == 4) {
            // A template that gives no line makes a card of the line feed alone.
            const std::string card =
                fs::is_regular_file(fs::symlink_status(work / "master.vcf")) ? "\r\n\r\n" : "\r\n";
            std::size_t cards = 0;
            for (std::size_t at = written.find(card); at != std::string::npos; at = written.find(card, at + card.size())) {
                ++cards;
            }
            EXPECT_EQ(report.cards, cards) << "round " << round << "\n" << ini << "\n" << table;
        } else {
            EXPECT_EQ(report.cards, 0U);
        }
    }
}

}  // namespace
}  // namespace rowcard
