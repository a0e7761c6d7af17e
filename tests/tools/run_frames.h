// Runs the built conwave-frames as a user would, and splits its CSV.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string quoted(const std::string &arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline Result runFrames(const std::vector<std::string> &args)
{
    const std::string dir = testing::TempDir();
    const std::string tag = std::to_string(getpid()); // ctest runs tests side by side
    const std::string out = dir + "frames_out_" + tag + ".txt";
    const std::string err = dir + "frames_err_" + tag + ".txt";
    std::string command = quoted(CONWAVE_FRAMES_PATH);
    for (const std::string &arg : args)
        command += ' ' + quoted(arg);
    command += " >" + quoted(out) + " 2>" + quoted(err) + " </dev/null";
    const int raw = std::system(command.c_str());
    Result result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = slurp(out);
    result.err = slurp(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return result;
}

inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        rows.push_back(line);
    return rows;
}

inline std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');)
        cells.push_back(cell);
    return cells;
}

} // namespace
