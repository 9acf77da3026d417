// The Linux usblp bus against a folder tree laid out like sysfs and /dev/usb,
// with plain files for the device nodes and a stand-in for the device-ID ioctl.
#include "os/linux/usblp_bus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_fixture.h"
#include "emulator/status_builder.h"
#include "harness/temp_path.h"
#include "os/linux/usblp_text.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

void writeFile(const fs::path& path, std::string_view text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The ioctl's answer: two bytes of length, counting themselves, then the ID.
std::string answerOf(std::string_view id) {
    const std::size_t length = id.size() + 2;
    return std::string{static_cast<char>(length >> 8), static_cast<char>(length & 0xFF)} + std::string(id);
}

class UsblpBusTest : public zevtest::CliTest {
protected:
    UsblpBusTest() {
        // lp0: another maker's printer; lp1: a ZEV whose ID does not fit the request's buffer.
        addPrinter("lp0", "1-1", "1234", "MFG:Other;MDL:Laser 9;");
        addPrinter("lp1", "1-2", "6004", longZevId);
        os::setDeviceBus(&usblp);
    }
    ~UsblpBusTest() override { fs::remove_all(root); }

    void addPrinter(const std::string& node, const std::string& usb, std::string_view product, std::string_view id) {
        const fs::path device = root / "sys/bus/usb/devices" / usb;
        const fs::path interface = device / (usb + ":1.0");
        writeFile(device / "idProduct", std::string(product) + "\n");
        writeFile(interface / "ieee1284_id", std::string(id) + "\n");
        fs::create_directories(root / "sys/class/usbmisc" / node);
        fs::create_symlink(interface, root / "sys/class/usbmisc" / node / "device");
        writeFile(root / "dev/usb" / node, "");
        answers[(root / "dev/usb" / node).string()] = answerOf(id);
    }

    // Answers for the node the descriptor is open on, as the driver would.
    bool request(int fd, std::span<std::uint8_t> answer) {
        const fs::path node = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
        ++requests[node.filename().string()];
        const auto it = answers.find(node.string());
        if (it == answers.end()) return false;
        std::copy_n(it->second.begin(), std::min(it->second.size(), answer.size()), answer.begin());
        return true;
    }

    const fs::path root = zevtest::UniqueTempPath("usblp", "");
    const std::string longZevId =
        "MFG:brenlato;MDL:zev;SN:B2;S:" + emulator::BuildStatusValue({}) + ";DES:" + std::string(600, 'x') + ";";
    std::map<std::string, std::string> answers;
    std::map<std::string, int> requests;
    os::linux_usb::UsblpBus usblp{{root / "sys", root / "dev/usb"},
                                  cli::NamesAnotherPrinter,
                                  [this](int fd, std::span<std::uint8_t> answer) { return request(fd, answer); }};
};

TEST_F(UsblpBusTest, NodesOfAnotherProductOrMakerAreNotOpened) {
    addPrinter("lp2", "1-3", "6004", "MFG:Other;MDL:Inkjet;");
    addPrinter("lp3", "1-4", "1234", "MFG:brenlato;MDL:zev;SN:C3;");
    EXPECT_EQ(run({"--json"}, cli::EveryListedPath()), 0);
    EXPECT_EQ(json::parse(out).size(), 1u);
    EXPECT_EQ(requests.count("lp2") + requests.count("lp3"), 0u);
}

TEST_F(UsblpBusTest, ReportsTheZevAndSendsItsQueriesToItsNode) {
    EXPECT_EQ(run({"--status", "--json"}, cli::EveryListedPath()), 0);
    const json records = json::parse(out);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["path"], (root / "dev/usb/lp1").string());
    EXPECT_EQ(records[0]["serial"], "B2");
    EXPECT_EQ(records[0]["pens"][1]["level"], 60);
    // A plain file answers nothing: the first query goes to the node, and
    // without an answer the settings are not read and no other query follows.
    EXPECT_TRUE(records[0]["settings"].is_null());
    std::ifstream node(root / "dev/usb/lp1", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(node), {}),
              "\x1b%Pds2.get 70016;udw.quit;\x1b"
              "E\x1b%-12345X");
}

TEST(UsblpText, DeviceIdAnswers) {
    struct Row {
        std::string answer;
        std::size_t room;
        std::string id;
    };
    // clang-format off
    const Row rows[] = {
        {answerOf("MFG:a;"), 511, "MFG:a;"},
        {answerOf("MFG:a;"), 3, "MFG"},                      // cut to the caller's buffer
        {std::string("\x00\x40", 2) + "MFG:a;", 511, "MFG:a;"},  // claims more than came
        {std::string("\x00\x04", 2) + "MFG:a;", 511, "MF"},      // claims less: the claim holds
        {std::string("\x00\x02", 2) + "MFG:a;", 511, ""},
        {std::string("\x00\x08", 2) + std::string("MF\0G:a", 6), 511, "MF"},
        {"\x01", 511, ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        std::vector<std::uint8_t> out(row.room + 1, 0xEE);
        const auto answer = std::span(reinterpret_cast<const std::uint8_t*>(row.answer.data()), row.answer.size());
        const std::size_t n = os::linux_usb::CopyDeviceIdAnswer(answer, std::span(out).first(row.room));
        EXPECT_EQ(std::string(out.begin(), out.begin() + n), row.id);
        EXPECT_EQ(out.back(), 0xEE);
    }
}

TEST(UsblpText, NodeNamesAndAttributes) {
    EXPECT_EQ(os::linux_usb::UsblpMinor("lp0"), 0);
    EXPECT_EQ(os::linux_usb::UsblpMinor("lp15"), 15);
    for (const char* name : {"lp", "lp-1", "lp+1", "lp1a", "lpx", "tty0", "lp99999999"})
        EXPECT_EQ(os::linux_usb::UsblpMinor(name), -1) << name;
    EXPECT_FALSE(os::linux_usb::IsZevProduct("60041\n"));
    EXPECT_FALSE(cli::NamesAnotherPrinter(""));
    EXPECT_TRUE(cli::NamesAnotherPrinter("MFG:brenlato;MDL:zev 2;"));
}

}  // namespace
