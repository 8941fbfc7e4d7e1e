import java.io.IOException;
import java.nio.charset.StandardCharsets;

/**
 * One stored field. A field entry is a kind byte, the name (a length byte and
 * ASCII), then the value in the kind's layout.
 */
public abstract class Field
{
    public static final int KIND_FLOAT = 1;
    public static final int KIND_STRING = 2;
    public static final int KIND_INT = 3;
    public static final int KIND_BOOL = 4;
    public static final int KIND_DATE = 5;
    public static final int KIND_DATETIME = 6;
    public static final int KIND_PERCENT = 7;

    protected final String name;
    protected final int attr;
    protected final int lastVersion;  // last stream version that holds the field

    protected Field(String name, int attr, int lastVersion)
    {
        this.name = name;
        this.attr = attr;
        this.lastVersion = lastVersion;
    }

    public String getName()
    {
        return name;
    }

    public boolean isInVersion(int version)
    {
        return version <= lastVersion;
    }

    public abstract int kind();

    /** Reads the value alone, after the kind and name. */
    public abstract void readValue(LEDataInputStream instrm) throws IOException;

    /** The value as the JSON return file holds it. */
    public abstract String toJson();

    /** Reads a whole entry (kind, name, value) that must be this field's. */
    public void readDataFromStream(LEDataInputStream instrm, int version) throws IOException
    {
        int kind = instrm.readUnsignedByte();
        String stored = readName(instrm);
        if (!stored.equals(name))
            throw new IOException("expected field " + name + ", found " + stored);
        checkKind(kind);
        readValue(instrm);
    }

    static String readName(LEDataInputStream instrm) throws IOException
    {
        return new String(instrm.readBytes(instrm.readUnsignedByte()), StandardCharsets.US_ASCII);
    }

    void checkKind(int storedKind) throws IOException
    {
        if (storedKind != kind())
            throw new IOException("field " + name + " is stored as kind " + storedKind + ", expected " + kind());
    }

    static String jsonString(String s)
    {
        StringBuilder out = new StringBuilder("\"");
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            switch (c) {
            case '"': out.append("\\\""); break;
            case '\\': out.append("\\\\"); break;
            case '\n': out.append("\\n"); break;
            case '\r': out.append("\\r"); break;
            case '\t': out.append("\\t"); break;
            default:
                if (c < 0x20)
                    out.append(String.format("\\u%04x", (int) c));
                else
                    out.append(c);
            }
        }
        return out.append('"').toString();
    }
}
