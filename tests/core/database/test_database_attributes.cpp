#include <gtest/gtest.h>

#include <string>

#include "core/database/database_attributes.h"

using namespace qv;

TEST(DatabaseAttributes, InformationLine) {
    DataHeader h;
    h.numbersInLotto = 49;
    h.numbersOnTicket = 6;
    EXPECT_EQ(informationLine(h, 3622), "3622 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto");
}

TEST(DatabaseAttributes, ValuesStayWithinTheirLimits) {
    // Each row sets one value; the limits themselves are kept, one past them is pulled back.
    struct Case {
        int onTicket, inLotto, expectedOnTicket, expectedInLotto;
    };
    const Case cases[] = {
        {1, 1, 1, 1},     {0, 0, 1, 1},         {10, 100, 10, 100},
        {11, 101, 10, 100}, {-5, -5, 1, 1},    {6, 49, 6, 49},
    };
    for (const Case& c : cases) {
        DatabaseAttributes a;
        a.setNumbersOnTicket(c.onTicket);
        a.setNumbersInLotto(c.inLotto);
        EXPECT_EQ(a.numbersOnTicket(), c.expectedOnTicket) << c.onTicket;
        EXPECT_EQ(a.numbersInLotto(), c.expectedInLotto) << c.inLotto;
    }
}

TEST(DatabaseAttributes, TextsAreCutAtTheirFieldsAndWrittenBack) {
    DataHeader h;
    h.description = "Lotto";
    h.numbersInLotto = 49;
    h.numbersOnTicket = 6;
    h.entryCount = 12;
    DatabaseAttributes a(h, "abc");
    EXPECT_EQ(a.description(), "Lotto");
    EXPECT_EQ(a.link(), "abc");

    const std::size_t d = 34;  // characters the description field holds
    const std::size_t l = 199;  // characters the link field holds
    a.setDescription(std::string(d, 'x'));
    EXPECT_EQ(a.description().size(), d);
    a.setDescription(std::string(d + 1, 'x'));
    EXPECT_EQ(a.description().size(), d);
    a.setLink(std::string(l, 'u'));
    EXPECT_EQ(a.link().size(), l);
    a.setLink(std::string(l + 1, 'u'));
    a.setNumbersOnTicket(7);
    a.setNumbersInLotto(40);

    std::string link;
    a.applyTo(h, link);
    EXPECT_EQ(h.description, std::string(d, 'x'));
    EXPECT_EQ(link, std::string(l, 'u'));
    EXPECT_EQ(h.numbersOnTicket, 7);
    EXPECT_EQ(h.numbersInLotto, 40);
    EXPECT_EQ(h.entryCount, 12);  // not the editor's business
}
