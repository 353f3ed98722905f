// cmdcode: console, clipboard, text and number helpers, MD5.
#pragma once

#include "cmdcode/clipboard/clipboard.hpp"
#include "cmdcode/console/console.hpp"
#include "cmdcode/md5/md5.hpp"
#include "cmdcode/text/decimal.hpp"
#include "cmdcode/text/parse.hpp"
#include "cmdcode/text/text.hpp"
