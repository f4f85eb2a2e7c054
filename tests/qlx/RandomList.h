#pragma once
#include <random>
#include <string>

class Quillory;
class Setting;

namespace QlxTest
{
    // Random lists with every structure, score and valid setting, and texts of
    // any bytes but those `excluded` (TSV cannot hold tabs and line breaks).
    class RandomList
    {
    public:
        explicit RandomList(unsigned seed, std::string excluded = "");
        void fill(Quillory& doc);

    private:
        void fillSettings(Setting& settings, int fields);
        int number(int low, int high);
        std::string text();

        std::mt19937 _random;
        std::string _excluded;
    };
}
