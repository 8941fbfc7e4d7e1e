import java.io.IOException;

/** An amount: an IEEE 754 double, stored bit for bit. */
public class FloatField extends Field
{
    protected double value;

    public FloatField(String name, int attr, int lastVersion)
    {
        super(name, attr, lastVersion);
    }

    public double getValue()
    {
        return value;
    }

    public void setValue(double value)
    {
        this.value = value;
    }

    public int getInt()
    {
        return (int) value;
    }

    public int kind()
    {
        return KIND_FLOAT;
    }

    public void readValue(LEDataInputStream instrm) throws IOException
    {
        value = instrm.readDouble();
        if (Double.isNaN(value) || Double.isInfinite(value))
            throw new IOException("field " + name + " holds " + value + ", not an amount");
    }

    public String toJson()
    {
        return Double.toString(value);
    }
}
