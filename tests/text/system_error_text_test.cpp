#include "text/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <set>

#include "text/shown_text.h"

using namespace lumo;

namespace {

// Every error a file can meet has a Spanish text of its own, never the
// system's: the errors of the save and read paths are listed here.
TEST(SystemErrorTextTest, EveryFileErrorHasItsOwnSpanishText) {
    const int errors[] = {EPERM,  ENOENT,  EINTR,     EIO,          ENXIO,    EBADF,      EAGAIN,
                          ENOMEM, EACCES,  EBUSY,     EEXIST,       EXDEV,    ENODEV,     ENOTDIR,
                          EISDIR, EINVAL,  ENFILE,    EMFILE,       ETXTBSY,  EFBIG,      ENOSPC,
                          EROFS,  EMLINK,  EPIPE,     ENAMETOOLONG, ENOLCK,   ENOSYS,     ENOTEMPTY,
                          ELOOP,  ENODATA, EOVERFLOW, EOPNOTSUPP,   ENOTCONN, ECONNRESET, ETIMEDOUT,
                          ESTALE, EDQUOT,  ENOMEDIUM, ENOKEY,       EUCLEAN,  ERANGE};
    const char* const previousLocale = std::setlocale(LC_MESSAGES, nullptr);
    const std::string restore = previousLocale != nullptr ? previousLocale : "C";
    std::setlocale(LC_MESSAGES, "C");
    std::set<std::string> texts;
    for (const int error : errors) {
        const std::string text = SystemErrorText(error);
        EXPECT_EQ(text.find("error del sistema"), std::string::npos) << error;
        EXPECT_EQ(text.find(std::strerror(error)), std::string::npos) << error;
        EXPECT_EQ(text.find_first_of("\t\r\n."), std::string::npos) << error;
        texts.insert(text);
    }
    std::setlocale(LC_MESSAGES, restore.c_str());
    EXPECT_EQ(texts.size(), std::size(errors));
    EXPECT_EQ(SystemErrorText(EXDEV),
              "el archivo está en otro sistema de archivos o montado aparte");
    EXPECT_EQ(SystemErrorText(ELOOP),
              "hay demasiados enlaces simbólicos seguidos, o forman un ciclo");
    EXPECT_EQ(SystemErrorText(4095), "error del sistema 4095");
}

TEST(SystemErrorTextTest, ReadFailuresSpeakOfReading) {
    EXPECT_EQ(ReadFailureReason(ENOENT), "el archivo no existe");
    EXPECT_EQ(ReadFailureReason(EACCES), "no hay permiso para leerlo");
    EXPECT_EQ(ReadFailureReason(EIO), "error de lectura en el disco");
    EXPECT_EQ(ReadFailureReason(EISDIR), "es una carpeta");
}

TEST(ShownTextTest, KeepsPrintableTextAndUtf8AndCutsLongText) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"1X2 abc", "1X2 abc"},
        {"año «x»", "año «x»"},
        {"a\tb", "a b"},
        {"a\r\n\x01\x7F", "a????"},
        {"\xC3", "?"},    // a sequence cut short
        {"\xC3(", "?("},  // a lead byte without its continuation
        {"\xE2\x82", "??"},
        {"\xF5\x80\x80\x80", "????"},  // beyond Unicode
        {std::string(41, 'x'), std::string(40, 'x') + "…"},
        {std::string(40, 'x'), std::string(40, 'x')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownText(c.text), c.shown) << c.text;
    }
    EXPECT_EQ(Quoted("apuesta.txt"), "«apuesta.txt»");
}

}  // namespace
