import java.io.IOException;
import java.nio.charset.StandardCharsets;

/** A text: a u32 byte length, then UTF-8. */
public class StringField extends Field
{
    protected final int maxLength;
    protected String value = "";

    public StringField(String name, int maxLength, int attr, int lastVersion)
    {
        super(name, attr, lastVersion);
        this.maxLength = maxLength;
    }

    public String getValue()
    {
        return value;
    }

    public int getMaxLength()
    {
        return maxLength;
    }

    public int kind()
    {
        return KIND_STRING;
    }

    /** Loads the whole text: the maximum length limits typing, not stored data. */
    public void readValue(LEDataInputStream instrm) throws IOException
    {
        value = new String(instrm.readBytes(instrm.readUnsignedInt()), StandardCharsets.UTF_8);
    }

    public String toJson()
    {
        return jsonString(value);
    }
}
