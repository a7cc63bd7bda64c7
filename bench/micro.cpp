// Micro-benchmarks of the per-record work: splitting and cleaning a table line,
// filling template lines, and one whole card without the template's open, read
// and close, on contacts like those the generator writes.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.hpp"
#include "record/record.hpp"
#include "template/fill.hpp"
#include "template/plan.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

namespace {

using namespace rowcard;

// Table lines in code page 1250 with CR LF ends, as a Czech spreadsheet
// exports them; the last lacks its mandatory mobile number.
constexpr std::array<std::string_view, 5> TABLE_LINES = {
    "Ond\xF8"
    "ej;H\xE1jek;603628503;ondrej_hajek-57@zdar-nad-sazavou.cz;M\xECsto \x8E\xEF\xE1r nad S\xE1zavou;"
    "nov\xE1 adresa od 1. 3.\r\n",
    "Mark\xE9ta;K\xF8\xED\x9Eov\xE1;+420 (604) 563-345;marketa_krizova@seznam.cz;;\r\n",
    "Tereza;Dvo\xF8\xE1kov\xE1;+420 603 682 363;tereza_dvorakova@seznam.cz;;volat po 14:00\r\n",
    "Zden\xECk;Hor\xE1k;+420 777 935 182;zdenek.horak@kveta-zahrady.cz;Zahradnictv\xED Kv\xECta;\r\n",
    "\x8A\xE1rka;\x8A\x9D" "astn\xE1;;sarka.stastna@email.cz;;VIP z\xE1kazn\xEDk\r\n",
};

constexpr std::string_view SETTINGS =
    "contacts.csv\n;\nFIRST\nLAST\nMOBILE%\nMAILBOX\nCOMPANY\nREMARK\n";

constexpr std::string_view TEMPLATE =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:LAST;FIRST;;;\r\nFN:FIRST LAST\r\nNICKNAME:1FIRST\r\n"
    "ORG:COMPANY\r\nTEL;TYPE=CELL:MOBILE%\r\nEMAIL;TYPE=INTERNET:MAILBOX\r\nNOTE:REMARK\r\nEND:VCARD\r\n";

#ifdef _WIN32
const std::string NULL_DEVICE = "NUL";
#else
const std::string NULL_DEVICE = "/dev/null";
#endif

// Returns the settings the generator's "rowcard.ini" gives.
conversion_settings bench_settings() {
    conversion_settings settings;
    std::string_view rest = SETTINGS;
    while (!rest.empty()) {
        const std::size_t feed = rest.find('\n');
        apply_config_line(settings, rest.substr(0, feed + 1));
        rest.remove_prefix(feed + 1);
    }
    return settings;
}

// Points `reader` at `bytes` as if they were a whole file already read.
void load(text_reader& reader, std::string_view bytes) { read_from_bytes(reader, bytes); }

// Returns the template's lines as `read_line` yields them.
std::vector<std::string> template_lines() {
    text_reader reader;
    load(reader, TEMPLATE);
    std::vector<std::string> lines;
    std::string line;
    while (read_line(reader, line)) lines.push_back(line);
    return lines;
}

void take_record_line(benchmark::State& state) {
    const conversion_settings settings = bench_settings();
    record_values values;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(take_record(TABLE_LINES[i], settings, values));
        benchmark::DoNotOptimize(values.data());
        i = (i + 1) % TABLE_LINES.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(take_record_line);

// One argument: the template line's number.
void fill_template_line(benchmark::State& state) {
    const conversion_settings settings = bench_settings();
    record_values values;
    take_record(TABLE_LINES[0], settings, values);
    const std::string model = template_lines().at(static_cast<std::size_t>(state.range(0)));
    std::string line;
    fill_buffers buffers;
    for (auto _ : state) {
        line.assign(model);
        fill_line(line, settings.columns, values, buffers);
        benchmark::DoNotOptimize(line.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(fill_template_line)->DenseRange(0, 9);

// One whole card as the run makes it, minus the template's open, read and
// close: read the table line, take the record, then fill the card at once
// from its plan, or else fill and write each template line and the empty line
// that ends the card. Writes go to a null device.
void whole_card(benchmark::State& state) {
    const conversion_settings settings = bench_settings();
    // One row in twenty lacks its mobile number, as in the generated tables.
    std::string table;
    for (std::size_t i = 0; i < 200; ++i) {
        table += i % 20 == 19 ? TABLE_LINES.back() : TABLE_LINES[i % (TABLE_LINES.size() - 1)];
    }
    text_reader rows;
    text_reader template_file;
    text_writer output;
    if (!create_for_writing(output, NULL_DEVICE)) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    record_values values;
    std::string row;
    std::string line;
    fill_buffers buffers;
    fill_plans plans;  // as the run keeps them, from card to card
    prepare_plans(plans, settings.columns);
    std::vector<std::string> lines;
    for (load(template_file, TEMPLATE); read_line(template_file, line);) lines.push_back(line);
    plan_card(plans, lines);
    std::string_view card;
    load(rows, table);
    for (auto _ : state) {
        if (!read_line(rows, row)) {
            load(rows, table);
            read_line(rows, row);
        }
        if (!take_record(row, settings, values)) continue;
        if (fill_card(values, plans, card)) {
            write_bytes(output, card);
        } else {
            load(template_file, TEMPLATE);
            for (std::size_t index = 0; read_line(template_file, line); ++index) {
                fill_planned(line, index, values, plans, buffers);
                write_text(output, line);
            }
            write_text(output, "\n");
        }
    }
    state.SetItemsProcessed(state.iterations());
    benchmark::DoNotOptimize(close_writer(output));
}
BENCHMARK(whole_card);

}  // namespace

BENCHMARK_MAIN();
