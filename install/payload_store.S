/* The two payload records: int32 dimension count 1, int32 length, then the file's bytes, with no
   padding. The build passes each file's path; the length is the assembler's own count of the
   bytes it included, so it stays exact when a payload is rebuilt with another size. */

#define JOIN_(a, b) a##b
#define JOIN(a, b) JOIN_(a, b)
#define SYMBOL(name) JOIN(__USER_LABEL_PREFIX__, name)

#define PAYLOAD_RECORD(name, path)          \
    .globl SYMBOL(name);                    \
    .p2align 2;                             \
SYMBOL(name):                               \
    .long 1;                                \
    .long name##_end - name##_bytes;        \
name##_bytes:                               \
    .incbin path;                           \
name##_end:

    .section .rdata$brindlowen_payloads, "dr"

PAYLOAD_RECORD(ApplicationPayload, BRINDLOWEN_APP_PAYLOAD_PATH)
PAYLOAD_RECORD(UninstallerPayload, BRINDLOWEN_UNINSTALLER_PAYLOAD_PATH)
