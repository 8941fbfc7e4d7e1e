import java.io.IOException;

/** A yes/no flag: one byte, 0 or 1. */
public class BoolField extends Field
{
    protected boolean value;

    public BoolField(String name, int attr, int lastVersion)
    {
        super(name, attr, lastVersion);
    }

    public boolean getValue()
    {
        return value;
    }

    public int kind()
    {
        return KIND_BOOL;
    }

    public void readValue(LEDataInputStream instrm) throws IOException
    {
        int b = instrm.readUnsignedByte();
        if (b > 1)
            throw new IOException("field " + name + " holds an invalid yes/no value");
        value = b == 1;
    }

    public String toJson()
    {
        return value ? "true" : "false";
    }
}
