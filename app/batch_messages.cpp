#include "app/batch_messages.h"

#include <filesystem>
#include <ostream>

void TellWritten(std::ostream& stream, const char* what, const std::string& path) {
    stream << what << "を書き込みました：" << std::filesystem::absolute(path).string() << '\n';
}

void TellInterrupted(std::ostream& err) {
    err << "中断しました。何も書き込んでいません。\n";
}

void TellNothingWritten(const FileResult& failure, std::ostream& err) {
    err << failure.message << "\nどの出力も書き込んでいません。前のファイルはそのままです。\n";
}
