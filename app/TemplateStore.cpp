#include "app/TemplateStore.h"

#include <string_view>

#include "framework/Component.h"
#include "framework/Stream.h"
#include "widgets/fill/LMDStringList.h"

namespace app {

using namespace std::string_view_literals;

namespace {

// Each value: flags, name length, name, Ident (absent when 0), text length, text.
constexpr std::string_view kValues[] = {
    // 0 bg2dtrp
    "\x0A\x07" "bg2dtrp" "\xF9\x00\x00\x00"
    "\xCB\xEE\xE2\xF3\xF8\xEA\xE8" "\r\n"  // Ловушки
    "1000\r\n1000\r\n1000\r\n1000\r\n1000\r\n1750\r\n1750\r\n1750\r\n1750\r\n1750\r\n"
    "2750\r\n2750\r\n2750\r\n2750\r\n2750\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n"
    "3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n"
    "3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n3250\r\n"sv,
    // 1 bg2plck
    "\x0E\x07" "bg2plck" "\x01\x00\x00\x00" "\xEF\x00\x00\x00"
    "\xC2\xE7\xEB\xEE\xEC\x20\xE7\xE0\xEC\xEA\xEE\xE2" "\r\n"  // Взлом замков
    "250\r\n250\r\n250\r\n250\r\n250\r\n400\r\n400\r\n400\r\n400\r\n400\r\n"
    "950\r\n950\r\n950\r\n950\r\n950\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n"
    "1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n"
    "1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n1550\r\n"sv,
    // 2 bg2spl
    "\x0E\x06" "bg2spl" "\x02\x00\x00\x00" "\x48\x00\x00\x00"
    "\xC8\xE7\xF3\xF7\xE5\xED\xE8\xE5\x20\xF1\xE2\xE8\xF2\xEA\xEE\xE2" "\r\n"  // Изучение свитков
    "1000\r\n2000\r\n3000\r\n4000\r\n5000\r\n6000\r\n7000\r\n8000\r\n9000\r\n"sv,
    // 3 bgtplck
    "\x0E\x07" "bgtplck" "\x03\x00\x00\x00" "\xAE\x00\x00\x00"
    "\xC2\xE7\xEB\xEE\xEC\x20\xE7\xE0\xEC\xEA\xEE\xE2" "\r\n"  // Взлом замков
    "10\r\n10\r\n10\r\n10\r\n10\r\n16\r\n16\r\n16\r\n16\r\n16\r\n"
    "38\r\n38\r\n38\r\n38\r\n38\r\n62\r\n62\r\n62\r\n62\r\n62\r\n"
    "62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n"
    "62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n62\r\n"sv,
    // 4 bgtdtrp
    "\x0E\x07" "bgtdtrp" "\x04\x00\x00\x00" "\xA9\x00\x00\x00"
    "\xCB\xEE\xE2\xF3\xF8\xEA\xE8" "\r\n"  // Ловушки
    "20\r\n20\r\n20\r\n20\r\n20\r\n35\r\n35\r\n35\r\n35\r\n35\r\n"
    "55\r\n55\r\n55\r\n55\r\n55\r\n65\r\n65\r\n65\r\n65\r\n65\r\n"
    "65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n"
    "65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n65\r\n"sv,
    // 5 bgtspl
    "\x0E\x06" "bgtspl" "\x05\x00\x00\x00" "\x36\x00\x00\x00"
    "\xC8\xE7\xF3\xF7\xE5\xED\xE8\xE5\x20\xF1\xE2\xE8\xF2\xEA\xEE\xE2" "\r\n"  // Изучение свитков
    "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n80\r\n90\r\n"sv,
    // 6 p10dtrp
    "\x0E\x07" "p10dtrp" "\x06\x00\x00\x00" "\xD1\x00\x00\x00"
    "\xCB\xEE\xE2\xF3\xF8\xEA\xE8" "\r\n"  // Ловушки
    "100\r\n100\r\n100\r\n100\r\n100\r\n175\r\n175\r\n175\r\n175\r\n175\r\n"
    "275\r\n275\r\n275\r\n275\r\n275\r\n325\r\n325\r\n325\r\n325\r\n325\r\n"
    "325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n"
    "325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n325\r\n"sv,
    // 7 p10plck
    "\x0E\x07" "p10plck" "\x07\x00\x00\x00" "\xC7\x00\x00\x00"
    "\xC2\xE7\xEB\xEE\xEC\x20\xE7\xE0\xEC\xEA\xEE\xE2" "\r\n"  // Взлом замков
    "25\r\n25\r\n25\r\n25\r\n25\r\n40\r\n40\r\n40\r\n40\r\n40\r\n"
    "95\r\n95\r\n95\r\n95\r\n95\r\n155\r\n155\r\n155\r\n155\r\n155\r\n"
    "155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n"
    "155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n155\r\n"sv,
    // 8 p10spl
    "\x0E\x06" "p10spl" "\x08\x00\x00\x00" "\x3F\x00\x00\x00"
    "\xC8\xE7\xF3\xF7\xE5\xED\xE8\xE5\x20\xF1\xE2\xE8\xF2\xEA\xEE\xE2" "\r\n"  // Изучение свитков
    "100\r\n200\r\n300\r\n400\r\n500\r\n600\r\n700\r\n800\r\n900\r\n"sv,
    // 9 p50dtrp
    "\x0E\x07" "p50dtrp" "\x09\x00\x00\x00" "\xEF\x00\x00\x00"
    "\xCB\xEE\xE2\xF3\xF8\xEA\xE8" "\r\n"  // Ловушки
    "500\r\n500\r\n500\r\n500\r\n500\r\n875\r\n875\r\n875\r\n875\r\n875\r\n"
    "1375\r\n1375\r\n1375\r\n1375\r\n1375\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n"
    "1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n"
    "1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n1625\r\n"sv,
    // 10 p50plck
    "\x0E\x07" "p50plck" "\x0A\x00\x00\x00" "\xD6\x00\x00\x00"
    "\xC2\xE7\xEB\xEE\xEC\x20\xE7\xE0\xEC\xEA\xEE\xE2" "\r\n"  // Взлом замков
    "125\r\n125\r\n125\r\n125\r\n125\r\n200\r\n200\r\n200\r\n200\r\n200\r\n"
    "475\r\n475\r\n475\r\n475\r\n475\r\n775\r\n775\r\n775\r\n775\r\n775\r\n"
    "775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n"
    "775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n775\r\n"sv,
    // 11 p50spl
    "\x0E\x06" "p50spl" "\x0B\x00\x00\x00" "\x47\x00\x00\x00"
    "\xC8\xE7\xF3\xF7\xE5\xED\xE8\xE5\x20\xF1\xE2\xE8\xF2\xEA\xEE\xE2" "\r\n"  // Изучение свитков
    "500\r\n1000\r\n1500\r\n2000\r\n2500\r\n3000\r\n3500\r\n4000\r\n4500\r\n"sv,
    // 12 prgdtrp
    "\x0E\x07" "prgdtrp" "\x0C\x00\x00\x00" "\xD7\x00\x00\x00"
    "\xCB\xEE\xE2\xF3\xF8\xEA\xE8" "\r\n"  // Ловушки
    "10\r\n20\r\n30\r\n40\r\n50\r\n65\r\n80\r\n100\r\n120\r\n150\r\n"
    "175\r\n200\r\n230\r\n260\r\n300\r\n330\r\n360\r\n400\r\n450\r\n500\r\n"
    "550\r\n600\r\n650\r\n710\r\n770\r\n830\r\n900\r\n1000\r\n1075\r\n1150\r\n"
    "1250\r\n1350\r\n1460\r\n1570\r\n1700\r\n1850\r\n2000\r\n2250\r\n2500\r\n3250\r\n"sv,
    // 13 prgplck
    "\x0E\x07" "prgplck" "\x0D\x00\x00\x00" "\xCE\x00\x00\x00"
    "\xC2\xE7\xEB\xEE\xEC\x20\xE7\xE0\xEC\xEA\xEE\xE2" "\r\n"  // Взлом замков
    "5\r\n10\r\n15\r\n20\r\n25\r\n30\r\n40\r\n50\r\n60\r\n75\r\n"
    "85\r\n100\r\n115\r\n130\r\n150\r\n165\r\n180\r\n200\r\n225\r\n250\r\n"
    "275\r\n300\r\n325\r\n350\r\n385\r\n415\r\n450\r\n500\r\n535\r\n575\r\n"
    "625\r\n675\r\n725\r\n785\r\n850\r\n925\r\n1000\r\n1125\r\n1250\r\n1550\r\n"sv,
    // 14 prgspl
    "\x0E\x06" "prgspl" "\x0E\x00\x00\x00" "\x45\x00\x00\x00"
    "\xC8\xE7\xF3\xF7\xE5\xED\xE8\xE5\x20\xF1\xE2\xE8\xF2\xEA\xEE\xE2" "\r\n"  // Изучение свитков
    "100\r\n250\r\n500\r\n1000\r\n1500\r\n2300\r\n3500\r\n5000\r\n9000\r\n"sv,
    // 15 bgdtrp
    "\x0E\x06" "bgdtrp" "\x0F\x00\x00\x00" "\x81\x00\x00\x00"
    "\xCB\xEE\xE2\xF3\xF8\xEA\xE8" "\r\n"  // Ловушки
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"sv,
    // 16 bgplck
    "\x0E\x06" "bgplck" "\x10\x00\x00\x00" "\x86\x00\x00\x00"
    "\xC2\xE7\xEB\xEE\xEC\x20\xE7\xE0\xEC\xEA\xEE\xE2" "\r\n"  // Взлом замков
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"sv,
    // 17 bgspl
    "\x0E\x05" "bgspl" "\x11\x00\x00\x00" "\x2D\x00\x00\x00"
    "\xC8\xE7\xF3\xF7\xE5\xED\xE8\xE5\x20\xF1\xE2\xE8\xF2\xEA\xEE\xE2" "\r\n"  // Изучение свитков
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"sv,
};

}  // namespace

const std::vector<StoredItemProperties>& StoredTemplateProperties()
{
    static const std::vector<StoredItemProperties> properties = {
        {"bg2dtrp", 0},  {"bg2plck", 1},  {"bg2spl", 2},  {"bgtplck", 3},  {"bgtdtrp", 4},  {"bgtspl", 5},
        {"p10dtrp", 6},  {"p10plck", 7},  {"p10spl", 8},  {"p50dtrp", 9},  {"p50plck", 10}, {"p50spl", 11},
        {"prgdtrp", 12}, {"prgplck", 13}, {"prgspl", 14}, {"bgdtrp", 15},  {"bgplck", 16},  {"bgspl", 17},
    };
    return properties;
}

const std::vector<std::vector<unsigned char>>& StoredTemplateValues()
{
    static const std::vector<std::vector<unsigned char>> values = [] {
        std::vector<std::vector<unsigned char>> out;
        for (std::string_view v : kValues)
            out.emplace_back(v.begin(), v.end());
        return out;
    }();
    return values;
}

void LoadTemplateContainer(TLMDStringList& container)
{
    const auto& properties = StoredTemplateProperties();
    const auto& values = StoredTemplateValues();
    fw::LoadingScope loading(container);
    for (std::size_t i = 0; i < values.size(); ++i) {
        auto* item = new TLMDStringListItem(&container);
        container.Add(item);
        item->SetDescription(properties[i].description);
        item->SetIdent(properties[i].ident);
        fw::MemoryStream value(values[i]);
        item->ReadData(value);
    }
}

}  // namespace app
