// One card from a template read whole: the lines and the card plan kept from
// the last template serve only a template of the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "run/cards.hpp"
#include "support/files.hpp"

namespace rowcard {
namespace {

// A template whose bytes change between two cards of one run gets its own
// lines and plan for the second card, not the first template's.
TEST(WriteWhole, ATemplateThatChangesIsPlannedAfresh) {
    const auto folder = testing::make_scratch();
    const auto path = folder / "cards.vcf";
    text_writer output;
    ASSERT_TRUE(create_for_writing(output, path.string()));
    card_buffers card;
    prepare_plans(card.plans, {{"{NAME}", false}});
    const record_values values = {"Eva"};
    write_whole(output, "N:{NAME}\n", values, card);
    write_whole(output, "N:{NAME}\n", values, card);
    write_whole(output, "FN:{NAME}!\n", values, card);
    EXPECT_TRUE(close_writer(output));
    EXPECT_EQ(testing::read_file(path), "N:Eva\r\n\r\nN:Eva\r\n\r\nFN:Eva!\r\n\r\n");
    testing::remove_scratch(folder);
}

}  // namespace
}  // namespace rowcard
