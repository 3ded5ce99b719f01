// tq panel on the example library's dialog templates.
#include "tq_program.h"

namespace {

using namespace tqtest;

TEST_F(TqProgram, PanelPrintsEachControlOfTheEndPlateTemplate) {
    const TqRun run = tq("panel --library " + library() + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "template EndPlate, image 400 x 280, 12 controls");
    EXPECT_NE(run.out.find("\n1\ttype 2 Value field\t[75,30,125,46]\ttab 1\t\"Width\"\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"S235\"\tlist \"Dialog Templates\\\\Lists\\\\Materials.txt\"\titems \"S235\" \"S275\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("type 30 Flex button\t[232,252,256,276]"), std::string::npos);
    EXPECT_NE(run.out.find("type 25 Total dimension button"), std::string::npos);
}

TEST_F(TqProgram, PanelAsJsonAndByPath) {
    const std::string path =
        (fs::path(TQ_SOURCE_DIR) / "examples/library/Dialog Templates/Dialog Design/EndPlateBolts.txt").string();
    const TqRun run = tq("panel --json " + quote(path));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"template\":\"EndPlateBolts\",\"width\":300,\"height\":180,\"controls\":["
              "{\"index\":0,\"type\":2,\"typeName\":\"Value field\",\"rect\":[86,6,130,22],\"tabOrder\":1,"
              "\"contents\":\"EdgeDistance\",\"list\":\"\",\"value\":\"EdgeDistance\",\"items\":[]},"
              "{\"index\":1,\"type\":2,\"typeName\":\"Value field\",\"rect\":[105,146,155,162],\"tabOrder\":2,"
              "\"contents\":\"Gauge\",\"list\":\"\",\"value\":\"Gauge\",\"items\":[]}]}\n");
}

TEST_F(TqProgram, PanelDrawnAsAPicture) {
    const fs::path png = dir / "panel.png";
    const TqRun run = tq("panel --png " + quote(png) + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = readAll(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(be32(16), 400) << "as wide as the template's picture";
    EXPECT_EQ(be32(20), 280);
    const TqRun bad = tq("panel --png " + quote(dir / "no" / "such" / "x.png") + " EndPlate");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("cannot write the picture"), std::string::npos) << bad.err;
}

TEST_F(TqProgram, PanelReportsABadTemplateWithFileAndLine) {
    const fs::path lib = dir / "lib";
    fs::create_directories(lib / "Dialog Templates" / "Dialog Design");
    writeAll(lib / "Dialog Templates" / "Dialog Design" / "Bad.txt", "int nrOfControls = 1\nint type0 two\n");
    TqRun run = tq("panel --library " + quote(lib) + " Bad");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Bad.txt, line 2: "), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    run = tq("panel --library " + quote(lib) + " Missing");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Missing.txt: the template does not exist"), std::string::npos) << run.err;
    run = tq("panel");
    EXPECT_EQ(run.status, 2);
}

}  // namespace
